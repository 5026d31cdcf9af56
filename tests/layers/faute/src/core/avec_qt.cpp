// Core code that uses Qt: against the arrows.
#include <QString>
