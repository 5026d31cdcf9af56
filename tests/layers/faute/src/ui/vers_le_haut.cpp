// A Qt service that reaches up into the main window: against the arrows.
#include "app/fenprin.h"
