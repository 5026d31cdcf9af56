#include "search/vuesresultats.h"

#include "search/modeleresultats.h"
#include "ui/ui.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QListView>
#include <QPainter>
#include <QStringDecoder>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextLayout>

namespace {

// Column widths of the details view, in twips.
constexpr int kLargeurs[ModeleResultats::NombreColonnes] = {2470, 3088, 1235, 1235, 706, 424};

bool estUtf8(const std::string& octets)
{
    QStringDecoder decodeur(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(decodeur(QByteArrayView(octets.data(), qsizetype(octets.size()))));
    return !decodeur.hasError();
}

void reglerVue(QAbstractItemView* vue)
{
    vue->setAccessibleName(QStringLiteral("Résultats"));
    vue->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vue->setSelectionMode(QAbstractItemView::SingleSelection);
    vue->setSelectionBehavior(QAbstractItemView::SelectRows);
    vue->setTextElideMode(Qt::ElideRight);
}

// The results as one column, the names: the icon and list views show it,
// so that they expose one item per file.
class ColonneNoms : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 1; }
};

// The large icons: the icon, and under it the name on up to two lines.
class DelegueGrandesIcones : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int kMarge = 3;

    static int hauteur(const QFontMetrics& mesures) { return kMarge * 3 + 32 + 2 * mesures.lineSpacing(); }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {largeur(option), hauteur(option.fontMetrics)};
    }
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        o.text.clear();
        o.icon = QIcon();
        o.features &= ~QStyleOptionViewItem::HasDecoration;
        const QWidget* vue = option.widget;
        QStyle* style = vue ? vue->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &o, p, vue);
        const QRect r = option.rect;
        const QIcon icone = index.data(Qt::DecorationRole).value<QIcon>();
        icone.paint(p, QRect(r.x() + (r.width() - 32) / 2, r.y() + kMarge, 32, 32));
        p->setPen(option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                               : QPalette::Text));
        int y = r.y() + 2 * kMarge + 32;
        for (const QString& ligne : lignesSousIcone(index.data().toString(), option.font, r.width() - 2 * kMarge)) {
            p->drawText(QRect(r.x() + kMarge, y, r.width() - 2 * kMarge, option.fontMetrics.lineSpacing()),
                        Qt::AlignHCenter | Qt::AlignTop, ligne);
            y += option.fontMetrics.lineSpacing();
        }
    }

private:
    static int largeur(const QStyleOptionViewItem& option)
    {
        const auto* vue = qobject_cast<const QListView*>(option.widget);
        return vue && vue->gridSize().isValid() ? vue->gridSize().width() - 4 : 80;
    }
};

// The details view's header: besides the mouse, Left and Right choose a
// column and Space or Enter sorts by it, as the screen readers' Press does.
class EnteteTriable : public QHeaderView {
public:
    explicit EnteteTriable(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
    {
        setFocusPolicy(Qt::TabFocus);
        setObjectName(QStringLiteral("ResultatsEntetes"));
    }
    QString nomColonne() const { return model() ? model()->headerData(m_courante, Qt::Horizontal).toString() : QString(); }
    void trier() { Q_EMIT sectionClicked(m_courante); }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        const int n = count();
        if ((e->key() == Qt::Key_Left || e->key() == Qt::Key_Right) && n > 0) {
            m_courante = (m_courante + (e->key() == Qt::Key_Right ? 1 : n - 1)) % n;
            viewport()->update();
            QAccessibleValueChangeEvent changement(this, nomColonne());
            QAccessible::updateAccessibility(&changement);
        } else if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            trier();
        } else {
            QHeaderView::keyPressEvent(e);
        }
    }
    void paintSection(QPainter* p, const QRect& rect, int section) const override
    {
        QHeaderView::paintSection(p, rect, section);
        if (hasFocus() && section == m_courante) {
            p->save();
            p->setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
            p->drawRect(rect.adjusted(1, 1, -2, -2));
            p->restore();
        }
    }

private:
    int m_courante = 0;
};

// What a screen reader sees of that header: the column chosen as its value,
// and Press to sort by it.
class EnteteAccessible : public QAccessibleWidget {
public:
    explicit EnteteAccessible(EnteteTriable* e) : QAccessibleWidget(e, QAccessible::ColumnHeader, QStringLiteral("Trier par"))
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return entete()->nomColonne();
        if (t == QAccessible::Name)
            return QStringLiteral("Trier par");
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            entete()->trier();
    }

private:
    EnteteTriable* entete() const { return static_cast<EnteteTriable*>(widget()); }
};

}  // namespace

QAccessibleInterface* accesEntete(const QString&, QObject* objet)
{
    if (auto* e = dynamic_cast<EnteteTriable*>(objet))
        return new EnteteAccessible(e);
    return nullptr;
}

QStringList lignesSousIcone(const QString& nom, const QFont& police, int largeur)
{
    QTextLayout mise(nom, police);
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    mise.setTextOption(option);
    mise.beginLayout();
    QTextLine premiere = mise.createLine();
    premiere.setLineWidth(largeur);
    mise.endLayout();
    if (premiere.textLength() >= nom.size())
        return {nom};
    const QString reste = nom.mid(premiere.textLength());
    return {nom.left(premiere.textLength()), QFontMetrics(police).elidedText(reste, Qt::ElideMiddle, largeur)};
}

QUrl urlFichier(const std::string& chemin)
{
    if (estUtf8(chemin))
        return QUrl::fromLocalFile(QString::fromStdString(chemin));
    const QByteArray octets(chemin.data(), qsizetype(chemin.size()));
    return QUrl::fromEncoded("file://" + octets.toPercentEncoding("/"), QUrl::StrictMode);
}

VuesResultats::VuesResultats(ModeleResultats* modele, QWidget* parent)
    : QStackedWidget(parent), m_modele(modele), m_noms(new ColonneNoms(this)), m_details(new QTableView(this)),
      m_icones(new QListView(this))
{
    setObjectName(QStringLiteral("Resultats"));
    setAccessibleName(QStringLiteral("Résultats"));
    m_noms->setSourceModel(m_modele);
    construireDetails();
    construireIcones();
    addWidget(m_details);
    addWidget(m_icones);
    setCurrentWidget(m_details);
    setFocusProxy(m_details);
}

void VuesResultats::construireDetails()
{
    m_details->setObjectName(QStringLiteral("ResultatsDetails"));
    m_details->setHorizontalHeader(new EnteteTriable(m_details));
    reglerVue(m_details);
    m_details->setModel(m_modele);
    m_details->setShowGrid(false);
    m_details->setWordWrap(false);
    m_details->setIconSize(QSize(16, 16));
    m_details->setTabKeyNavigation(false);
    QHeaderView* lignes = m_details->verticalHeader();
    lignes->hide();
    lignes->setSectionResizeMode(QHeaderView::Fixed);
    lignes->setDefaultSectionSize(qMax(18, fontMetrics().height() + 4));
    QHeaderView* entetes = m_details->horizontalHeader();
    entetes->setSectionsClickable(true);
    entetes->setHighlightSections(false);
    entetes->setSortIndicatorShown(false);
    for (int c = 0; c < ModeleResultats::NombreColonnes; ++c)
        entetes->resizeSection(c, tw(kLargeurs[c]));
    connect(entetes, &QHeaderView::sectionClicked, this, [this, entetes](int colonne) {
        m_modele->cliquerEntete(colonne);
        entetes->setSortIndicatorShown(true);
        entetes->setSortIndicator(colonne, m_modele->sensTri());
    });
    connect(m_details, &QAbstractItemView::activated, this, [this](const QModelIndex& i) { Q_EMIT ouvrir(i.row()); });
}

void VuesResultats::construireIcones()
{
    m_icones->setObjectName(QStringLiteral("ResultatsIcones"));
    reglerVue(m_icones);
    m_icones->setModel(m_noms);
    m_delegueSimple = m_icones->itemDelegate();
    m_delegueGrandes = new DelegueGrandesIcones(m_icones);
    m_icones->setMovement(QListView::Static);
    m_icones->setResizeMode(QListView::Adjust);
    m_icones->setUniformItemSizes(true);
    m_icones->setLayoutMode(QListView::Batched);
    m_icones->setBatchSize(2000);
    connect(m_icones, &QAbstractItemView::activated, this, [this](const QModelIndex& i) { Q_EMIT ouvrir(i.row()); });
    // One selection in every view: the current row follows from one to the other.
    QItemSelectionModel* details = m_details->selectionModel();
    QItemSelectionModel* icones = m_icones->selectionModel();
    const auto suivre = [](QItemSelectionModel* cible, const QModelIndex& courant) {
        if (cible->currentIndex().row() == courant.row())
            return;
        const QModelIndex i = cible->model()->index(courant.row(), 0);
        cible->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    };
    connect(details, &QItemSelectionModel::currentRowChanged, this,
            [icones, suivre](const QModelIndex& courant) { suivre(icones, courant); });
    connect(icones, &QItemSelectionModel::currentRowChanged, this,
            [details, suivre](const QModelIndex& courant) { suivre(details, courant); });
}

void VuesResultats::setVue(Vue vue)
{
    m_vue = vue;
    if (vue == Vue::Details) {
        setCurrentWidget(m_details);
        setFocusProxy(m_details);
        return;
    }
    const bool grandes = vue == Vue::GrandesIcones;
    m_icones->setViewMode(grandes ? QListView::IconMode : QListView::ListMode);
    m_icones->setIconSize(grandes ? QSize(32, 32) : QSize(16, 16));
    m_icones->setFlow(vue == Vue::Liste ? QListView::TopToBottom : QListView::LeftToRight);
    m_icones->setWrapping(true);
    m_icones->setWordWrap(grandes);
    // A large icon's cell holds the icon and two lines of its name.
    const int hauteurGrande = qMax(tw(990), DelegueGrandesIcones::hauteur(m_icones->fontMetrics()));
    m_icones->setGridSize(grandes ? QSize(tw(1290), hauteurGrande) : QSize(tw(2100), 20));
    m_icones->setItemDelegate(grandes ? m_delegueGrandes : m_delegueSimple);
    m_icones->setMovement(QListView::Static);
    setCurrentWidget(m_icones);
    setFocusProxy(m_icones);
}
