#include "ui/listes.h"

#include "core/natural.h"
#include "core/paths.h"
#include "core/platform/platform.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

constexpr int roleNiveau = Qt::UserRole + 1;

// Indents each folder by its level, as the classic folder list did.
class DelegueNiveau : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem o = option;
        o.rect.adjust(index.data(roleNiveau).toInt() * 10, 0, 0, 0);
        QStyledItemDelegate::paint(p, o, index);
    }
};

}  // namespace

ListeDossiers::ListeDossiers(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new DelegueNiveau(this));
    setUniformItemSizes(true);
}

namespace {

// The folder and its ancestors from the root down ("/a/b" -> "/", "/a",
// "/a/b"; "C:\\a" -> "C:\\", "C:\\a").
std::vector<std::string> ancetres(const std::string& dossier, char separateur)
{
    std::vector<std::string> out;
    const std::size_t racine = dossier.find(separateur);
    if (racine == std::string::npos)
        return {dossier};
    out.push_back(dossier.substr(0, racine + 1));
    for (std::size_t i = racine + 1; i <= dossier.size(); ++i) {
        if (i == dossier.size() || dossier[i] == separateur) {
            if (i > racine + 1 && dossier[i - 1] != separateur)
                out.push_back(dossier.substr(0, i));
        }
    }
    return out;
}

QString affichable(std::string_view natif)
{
    return QString::fromUtf8(natif.data(), qsizetype(natif.size()));
}

}  // namespace

void ListeDossiers::afficher(const std::string& dossier)
{
    std::vector<ordalis::platform::DirEntry> entrees;
    ordalis::platform::listDirectory(dossier, entrees);
    afficher(dossier, entrees);
}

void ListeDossiers::afficher(const std::string& dossier, const std::vector<ordalis::platform::DirEntry>& entrees)
{
    clear();
    const QIcon ouvert = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon ferme = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const char sep = ordalis::platform::separator();
    int niveau = 0;
    for (const std::string& a : ancetres(dossier, sep)) {
        const std::string_view nom = niveau == 0 ? std::string_view(a) : std::string_view(a).substr(a.rfind(sep) + 1);
        auto* item = new QListWidgetItem(ouvert, affichable(nom), this);
        item->setData(Qt::UserRole, QByteArray::fromStdString(a));
        item->setData(roleNiveau, niveau++);
    }
    setCurrentRow(count() - 1);

    std::vector<std::string> sous;
    for (const auto& e : entrees) {
        if (!(e.isDirectory || e.isSymlink))
            continue;
        if (e.isDirectory || ordalis::platform::leadsToFolder(ordalis::joinPath(dossier, e.name, sep)))
            sous.push_back(e.name);
    }
    std::sort(sous.begin(), sous.end(), ordalis::naturalLess);
    for (const std::string& s : sous) {
        auto* item = new QListWidgetItem(ferme, affichable(s), this);
        item->setData(Qt::UserRole, QByteArray::fromStdString(ordalis::joinPath(dossier, s, sep)));
        item->setData(roleNiveau, niveau);
    }
}

std::string ListeDossiers::chemin(const QListWidgetItem* item)
{
    return item->data(Qt::UserRole).toByteArray().toStdString();
}

namespace {

class LecteursAccessible : public QAccessibleWidget {
public:
    explicit LecteursAccessible(QComboBox* c) : QAccessibleWidget(c, QAccessible::ComboBox)
    {
        addControllingSignal(QStringLiteral("currentIndexChanged(int)"));
    }
    QString text(QAccessible::Text t) const override
    {
        auto* c = static_cast<QComboBox*>(widget());
        if (t == QAccessible::Value)
            return c->currentText();
        return QAccessibleWidget::text(t);
    }
    // The list of volumes, as the combo box's own accessible interface
    // gives it, with one item per volume.
    int childCount() const override { return liste() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? liste() : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child == liste() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString&) override
    {
        QMetaObject::invokeMethod(static_cast<QComboBox*>(widget()), &QComboBox::showPopup, Qt::QueuedConnection);
    }

private:
    QAccessibleInterface* liste() const
    {
        return QAccessible::queryAccessibleInterface(static_cast<QComboBox*>(widget())->view());
    }
};

}  // namespace

QAccessibleInterface* accesLecteurs(const QString& classe, QObject* objet)
{
    if (classe == QLatin1String("ListeLecteurs") && objet && objet->isWidgetType())
        return new LecteursAccessible(static_cast<QComboBox*>(objet));
    return nullptr;
}
