#include "search/vuesresultats.h"

#include "search/modeleresultats.h"
#include "ui/ui.h"

#include <QHeaderView>
#include <QListView>
#include <QStringDecoder>
#include <QTableView>

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

}  // namespace

QUrl urlFichier(const std::string& chemin)
{
    if (estUtf8(chemin))
        return QUrl::fromLocalFile(QString::fromStdString(chemin));
    const QByteArray octets(chemin.data(), qsizetype(chemin.size()));
    return QUrl::fromEncoded("file://" + octets.toPercentEncoding("/"), QUrl::StrictMode);
}

VuesResultats::VuesResultats(ModeleResultats* modele, QWidget* parent)
    : QStackedWidget(parent), m_modele(modele), m_details(new QTableView(this)), m_icones(new QListView(this))
{
    setObjectName(QStringLiteral("Resultats"));
    setAccessibleName(QStringLiteral("Résultats"));
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
    m_icones->setModel(m_modele);
    m_icones->setSelectionModel(m_details->selectionModel());
    m_icones->setMovement(QListView::Static);
    m_icones->setResizeMode(QListView::Adjust);
    m_icones->setUniformItemSizes(true);
    m_icones->setLayoutMode(QListView::Batched);
    m_icones->setBatchSize(2000);
    connect(m_icones, &QAbstractItemView::activated, this, [this](const QModelIndex& i) { Q_EMIT ouvrir(i.row()); });
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
    m_icones->setGridSize(grandes ? QSize(tw(1290), tw(990)) : QSize(tw(2100), 20));
    m_icones->setMovement(QListView::Static);
    setCurrentWidget(m_icones);
    setFocusProxy(m_icones);
}
