// What assistive technologies see of a VueTexte: a text, read-only unless
// the view lets the user edit it, with its whole text, its selection and
// its cursor.
#include "texttools/vuetexte.h"

#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextLayout>

class AccesVueTexte : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccesVueTexte(VueTexte* vue) : QAccessibleWidget(vue, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State etat = QAccessibleWidget::state();
        etat.readOnly = vue()->lectureSeule();
        etat.editable = !etat.readOnly;
        etat.multiLine = true;
        return etat;
    }

    void selection(int index, int* debut, int* fin) const override
    {
        *debut = *fin = 0;
        if (index == 0 && selectionCount() == 1) {
            *debut = int(vue()->selectionDebut());
            *fin = int(vue()->selectionFin());
        }
    }
    int selectionCount() const override { return vue()->selectionFin() > vue()->selectionDebut() ? 1 : 0; }
    void addSelection(int debut, int fin) override { setSelection(0, debut, fin); }
    void removeSelection(int) override { vue()->selectionner(vue()->curseur(), 0); }
    void setSelection(int, int debut, int fin) override
    {
        vue()->selectionner(std::size_t(std::max(0, debut)), std::size_t(std::max(0, fin - debut)));
    }
    int cursorPosition() const override { return int(vue()->curseur()); }
    void setCursorPosition(int position) override { vue()->selectionner(std::size_t(std::max(0, position)), 0); }
    QString text(int debut, int fin) const override
    {
        const std::u16string_view t = vue()->texte();
        const qsizetype taille = qsizetype(t.size());
        const qsizetype de = std::clamp<qsizetype>(debut, 0, taille);
        const qsizetype a = fin < 0 ? taille : std::clamp<qsizetype>(fin, de, taille);
        return QString(reinterpret_cast<const QChar*>(t.data() + de), a - de);
    }
    int characterCount() const override { return int(vue()->texte().size()); }
    QRect characterRect(int position) const override { return vue()->rectangleDe(std::size_t(std::max(0, position))); }
    int offsetAtPoint(const QPoint& point) const override
    {
        return int(vue()->positionEn(vue()->viewport()->mapFromGlobal(point)));
    }
    void scrollToSubstring(int debut, int fin) override { setSelection(0, debut, fin); }
    QString attributes(int position, int* debut, int* fin) const override
    {
        *debut = *fin = position;
        return {};
    }

private:
    VueTexte* vue() const { return static_cast<VueTexte*>(widget()); }
};

QAccessibleInterface* accesVueTexte(const QString&, QObject* objet)
{
    auto* vue = qobject_cast<VueTexte*>(objet);
    return vue ? new AccesVueTexte(vue) : nullptr;
}
