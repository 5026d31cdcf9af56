#include "fileops/listes.h"

#include "core/platform/platform.h"

#include <QAccessibleWidget>
#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStorageInfo>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

constexpr int roleNiveau = Qt::UserRole + 1;

bool pseudoSystemeFichiers(const QStorageInfo& v)
{
    static const QStringList pseudo = {
        QStringLiteral("proc"), QStringLiteral("sysfs"), QStringLiteral("devtmpfs"), QStringLiteral("devpts"),
        QStringLiteral("tmpfs"), QStringLiteral("cgroup"), QStringLiteral("cgroup2"), QStringLiteral("securityfs"),
        QStringLiteral("pstore"), QStringLiteral("bpf"), QStringLiteral("tracefs"), QStringLiteral("debugfs"),
        QStringLiteral("mqueue"), QStringLiteral("hugetlbfs"), QStringLiteral("fusectl"), QStringLiteral("configfs"),
        QStringLiteral("autofs"), QStringLiteral("binfmt_misc"), QStringLiteral("efivarfs"), QStringLiteral("squashfs"),
        QStringLiteral("nsfs"), QStringLiteral("ramfs"), QStringLiteral("overlay")};
    if (v.isRoot())
        return false;
    const QString type = QString::fromLatin1(v.fileSystemType());
    return pseudo.contains(type) || v.rootPath().startsWith(QLatin1String("/snap/"))
           || v.rootPath().startsWith(QLatin1String("/proc")) || v.rootPath().startsWith(QLatin1String("/sys"))
           || v.rootPath().startsWith(QLatin1String("/dev")) || v.rootPath().startsWith(QLatin1String("/run/"));
}

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

QVector<Volume> volumesUtilisateur()
{
    QVector<Volume> out;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || pseudoSystemeFichiers(v))
            continue;
        const QString racine = QDir::toNativeSeparators(v.rootPath());
        QString libelle = racine;
        if (!v.name().isEmpty() && v.name() != racine)
            libelle += QStringLiteral(" [%1]").arg(v.name());
        out.push_back({racine, libelle});
    }
    std::stable_sort(out.begin(), out.end(), [](const Volume& a, const Volume& b) {
        return a.racine.size() == 1 && b.racine.size() != 1 ? true
             : b.racine.size() == 1 ? false : a.racine < b.racine;
    });
    return out;
}

QString volumeDe(const QString& chemin)
{
    QString meilleur;
    for (const Volume& v : volumesUtilisateur()) {
        const QString r = v.racine;
        const bool dedans = chemin == r || chemin.startsWith(r.endsWith(QDir::separator()) ? r : r + QDir::separator());
        if (dedans && r.size() > meilleur.size())
            meilleur = r;
    }
    return meilleur;
}

ListeDossiers::ListeDossiers(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new DelegueNiveau(this));
    setUniformItemSizes(true);
}

void ListeDossiers::afficher(const QString& dossier)
{
    clear();
    const QIcon ouvert = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon ferme = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QStringList ancetres;
    for (QDir d(dossier);; ) {
        ancetres.prepend(QDir::toNativeSeparators(d.absolutePath()));
        if (d.isRoot() || !d.cdUp())
            break;
    }
    int niveau = 0;
    for (const QString& a : ancetres) {
        const QString nom = niveau == 0 ? a : QDir(a).dirName();
        auto* item = new QListWidgetItem(ouvert, nom, this);
        item->setData(Qt::UserRole, a);
        item->setData(roleNiveau, niveau++);
    }
    setCurrentRow(count() - 1);

    std::vector<ordalis::platform::DirEntry> entrees;
    ordalis::platform::listDirectory(dossier.toStdString(), entrees);
    const QDir base(dossier);
    QStringList sous;
    for (const auto& e : entrees) {
        const QString nom = QString::fromStdString(e.name);
        const bool dossierLie = e.isSymlink && QFileInfo(base.filePath(nom)).isDir();
        if ((e.isDirectory || dossierLie) && !e.name.starts_with('.'))
            sous << nom;
    }
    QCollator c;
    c.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(sous.begin(), sous.end(), [&c](const QString& a, const QString& b) { return c.compare(a, b) < 0; });
    for (const QString& s : sous) {
        auto* item = new QListWidgetItem(ferme, s, this);
        item->setData(Qt::UserRole, QDir::toNativeSeparators(base.absoluteFilePath(s)));
        item->setData(roleNiveau, niveau);
    }
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
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString&) override
    {
        QMetaObject::invokeMethod(static_cast<QComboBox*>(widget()), &QComboBox::showPopup, Qt::QueuedConnection);
    }
};

QAccessibleInterface* fabriqueLecteurs(const QString& classe, QObject* objet)
{
    if (classe == QLatin1String("ListeLecteurs") && objet && objet->isWidgetType())
        return new LecteursAccessible(static_cast<QComboBox*>(objet));
    return nullptr;
}

}  // namespace

ListeLecteurs::ListeLecteurs(QWidget* parent) : QComboBox(parent)
{
    static const bool installe = [] {
        QAccessible::installFactory(fabriqueLecteurs);
        return true;
    }();
    Q_UNUSED(installe);
}
