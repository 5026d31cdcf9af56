#include "texttools/fencrypteur.h"

#include "core/cipher.h"
#include "core/cp1252.h"
#include "texttools/vuetexte.h"
#include "texttools/zonetexte.h"
#include "ui/chrome.h"
#include "ui/dialogues.h"
#include "ui/general.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"
#include "ui/ui.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <limits>

namespace {

// The default key, shown masked.
const char kCleParDefaut[] = "Grimoire";

template <class Zone>
Zone* zone(QWidget* parent, const char* nom, const QString& nomAccessible)
{
    auto* z = new Zone(parent);
    z->setObjectName(QString::fromLatin1(nom));
    z->setAccessibleName(nomAccessible);
    donnerRoles(z, role::Champ);
    z->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return z;
}

QCheckBox* caseMode(QWidget* parent, const char* nom, const QString& nomAccessible)
{
    auto* c = new QCheckBox(parent);
    c->setObjectName(QString::fromLatin1(nom));
    c->setAccessibleName(nomAccessible);
    return c;
}

// The code page 1252 codes of `texte`, or the message that names the first
// character the code page lacks; `quoi` says where it was found.
std::optional<Message> encoder(const QString& texte, const QString& quoi, const QString& action, std::string& octets)
{
    ordalis::cp1252::Unencodable manque;
    if (ordalis::cp1252::encode(vueUtf16(texte), octets, &manque))
        return std::nullopt;
    return Message{QStringLiteral("Caractère non pris en charge"),
                   QStringLiteral("%1 contient le caractère %2, que le cryptage ne connaît pas : il n'accepte que les "
                                  "caractères du jeu Windows-1252.\nRien n'a été %3.")
                       .arg(quoi, nommerCaractere(manque.character), action),
                   IconeMessage::Exclamation};
}

const Bande bandes[] = {
    {"Forme1", 0, 315, 6735, 120, Couleur::DegradeInverse},
    {"Forme2", 0, 435, 120, 6255, Couleur::Degrade, Qt::Vertical},
    {"Forme3", 6615, 435, 120, 6255, Couleur::DegradeInverse, Qt::Vertical},
    {"Forme4", 120, 3705, 6495, 75, Couleur::Degrade},
    {"Forme6", 120, 6090, 6495, 75, Couleur::DegradeInverse},
    {"Forme5", 0, 6690, 6735, 120, Couleur::DegradeInverse},
};

}  // namespace

FenCrypteur::FenCrypteur(General& general, QWidget* parent) : QWidget(parent, Qt::Window), m_general(general)
{
    new Chrome(this, general, {.nom = "FenCrypteur", .titre = QStringLiteral("Crypteur"),
                               .legende = QStringLiteral("Cryptage/décryptage"), .largeur = 6735, .hauteur = 6810,
                               .options = {.aide = true, .sujetGauche = SujetAide::Cryptage}, .bandes = bandes});
    construireCle();
    construireResultat();
    construireIcones();
    appliquerCouleurs(this, general.couleurs);
}

FenCrypteur::~FenCrypteur()
{
    if (m_calcul.enCours())
        QGuiApplication::restoreOverrideCursor();
}

void FenCrypteur::construireCle()
{
    QLabel* etiquette = creerEtiquette(this, QStringLiteral("LblCle"), QStringLiteral("Clé de cryptage :"));
    placer(etiquette, 240, 540, 1455, 255);
    m_cle = creerChamp(this, QStringLiteral("txtCle"), QStringLiteral("Clé de cryptage"),
                       QString::fromLatin1(kCleParDefaut));
    m_cle->setEchoMode(QLineEdit::Password);
    m_cle->setMaxLength(std::numeric_limits<int>::max());
    etiquette->setBuddy(m_cle);
    placer(m_cle, 1710, 495, 3300, 315);
    TavBttn* cache = creerBouton(this, QStringLiteral("CmdCache"), role::Commande, QStringLiteral("*"));
    placer(cache, 5055, 495, 360, 315);
    installerBulle(cache, m_general, QStringLiteral("Montrer/masquer la clé"));
    cache->setAccessibleName(cache->bulle());
    connect(cache, &TavBttn::clicked, this, [this] {
        m_cle->setEchoMode(m_cle->echoMode() == QLineEdit::Password ? QLineEdit::Normal : QLineEdit::Password);
    });

    m_texte = zone<ZoneTexte>(this, "txtTexte", QStringLiteral("Texte à crypter/décrypter"));
    m_texte->setImagesDeControle(true);
    m_texte->setTabChangesFocus(true);
    m_texte->setTexteExact(QStringLiteral("Tapez ici le texte à crypter.\r\n"));
    placer(m_texte, 240, 930, 6255, 2070);

    TavPanel* fond = creerPanneau(this, QStringLiteral("FondCommandes"), Couleur::Degrade);
    placer(fond, 240, 3075, 6255, 555);
    construireMode(fond);
}

void FenCrypteur::construireMode(QWidget* fond)
{
    m_crypter = caseMode(fond, "CheckCrypter", QStringLiteral("Cryptage"));
    placer(m_crypter, 135, 150, 240, 255);
    TavBttn* lblCrypter = creerBouton(fond, QStringLiteral("LblCrypter"), role::Commande, QStringLiteral("Cryptage"));
    placer(lblCrypter, 390, 120, 1350, 315);
    m_decrypter = caseMode(fond, "CheckDecrypter", QStringLiteral("Décryptage"));
    placer(m_decrypter, 1905, 150, 240, 255);
    TavBttn* lblDecrypter =
        creerBouton(fond, QStringLiteral("LblDecrypter"), role::Commande, QStringLiteral("Décryptage"));
    placer(lblDecrypter, 2160, 120, 1350, 315);
    m_executer = creerBouton(fond, QStringLiteral("CmdCrypter"), role::Commande);
    placer(m_executer, 3855, 120, 2280, 315);

    // Whatever ticks or unticks a box, by hand or from code, the other one
    // takes the opposite state.
    connect(m_crypter, &QCheckBox::toggled, this, [this](bool coche) { choisirMode(coche); });
    connect(m_decrypter, &QCheckBox::toggled, this, [this](bool coche) { choisirMode(!coche); });
    connect(lblCrypter, &TavBttn::clicked, this, [this] { choisirMode(!m_crypter->isChecked()); });
    connect(lblDecrypter, &TavBttn::clicked, this, [this] { choisirMode(m_decrypter->isChecked()); });
    connect(m_executer, &TavBttn::clicked, this, &FenCrypteur::executer);
    choisirMode(true);
}

void FenCrypteur::construireResultat()
{
    m_fondResult = creerPanneau(this, QStringLiteral("FondResult"), Couleur::Degrade | Couleur::Textes);
    m_fondResult->setEncadre(false);
    placer(m_fondResult, 240, 3855, 6255, 300);
    m_resultat = zone<VueTexte>(this, "txtResult", QStringLiteral("Texte crypté/décrypté"));
    m_resultat->setCodesStricts(true);
    placer(m_resultat, 240, 4155, 6255, 1860);
}

TavBttn* FenCrypteur::icone(const char* nom, const char* image, const char* bulle, int gauche)
{
    TavBttn* b = creerBouton(this, QString::fromLatin1(nom), role::Aucun);
    b->setPicture(QStringLiteral(":/texttools/icones/%1.svg").arg(QLatin1String(image)));
    installerBulle(b, m_general, QString::fromUtf8(bulle));
    // These hints hold a slash of their own: the whole hint names the button.
    b->setAccessibleName(b->bulle());
    placer(b, gauche, 6195, 600, 480);
    return b;
}

void FenCrypteur::construireIcones()
{
    TavBttn* copClair = icone("CmdCopClair", "copierclair", "Copier le texte en clair", 240);
    connect(copClair, &TavBttn::clicked, this, [this] { copier(m_texte->texteExact()); });
    TavBttn* copCrypt = icone("CmdCopCrypt", "copiercrypt", "Copier le texte crypté/décrypté", 900);
    connect(copCrypt, &TavBttn::clicked, this, [this] { copier(m_resultat->texteQString()); });
    TavBttn* effacer = icone("CmdEffacerCrypt", "effacer", "Effacer le texte crypté/décrypté", 1560);
    connect(effacer, &TavBttn::clicked, m_resultat, &VueTexte::vider);
    TavBttn* editeur = icone("CmdNotePad", "minieditor", "Mini-Editeur", 5895);
    connect(editeur, &TavBttn::clicked, this, &FenCrypteur::editeurDemande);
}

void FenCrypteur::choisirMode(bool crypter)
{
    const QSignalBlocker b1(m_crypter), b2(m_decrypter);
    m_crypter->setChecked(crypter);
    m_decrypter->setChecked(!crypter);
    m_executer->setCaption(crypter ? QStringLiteral("Crypter le texte") : QStringLiteral("Décrypter le texte"));
}

void FenCrypteur::executer()
{
    if (m_calcul.enCours())
        return;  // the result of the run under way comes first
    const QString cle = m_cle->text();
    if (std::all_of(cle.cbegin(), cle.cend(), [](QChar c) { return c == QLatin1Char(' '); })) {
        m_general.dialogues().message(this, {QStringLiteral("Absence de clé"),
                                             QStringLiteral("Veuillez entrer une clé pour crypter/décrypter"),
                                             IconeMessage::Stop});
        Q_EMIT calculTermine();
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    auto calcul = std::make_shared<Calcul>();
    m_calcul.demarrer([calcul, crypter = m_crypter->isChecked(), cle, texte = m_texte->texteExact()](
                          const std::atomic<bool>&, const Tache::Rapport&) { *calcul = calculer(crypter, cle, texte); },
                      [this, calcul] { afficher(*calcul); });
}

FenCrypteur::Calcul FenCrypteur::calculer(bool crypter, const QString& cle, const QString& texte)
{
    Calcul c;
    c.crypter = crypter;
    const QString action = crypter ? QStringLiteral("crypté") : QStringLiteral("décrypté");
    std::string octetsCle, octets;
    if ((c.refus = encoder(cle, QStringLiteral("La clé"), action, octetsCle)) ||
        (c.refus = encoder(texte, QStringLiteral("Le texte"), action, octets)))
        return c;
    const std::string resultat = crypter ? ordalis::encipher(octets, octetsCle) : ordalis::decipher(octets, octetsCle);
    c.resultat = QString::fromStdU16String(ordalis::cp1252::decode(resultat));
    c.lignes = indexerLignes(vueUtf16(c.resultat), true);
    return c;
}

void FenCrypteur::afficher(Calcul& calcul)
{
    QGuiApplication::restoreOverrideCursor();
    if (calcul.refus) {
        m_general.dialogues().message(this, *calcul.refus);
    } else {
        m_fondResult->setCaption(calcul.crypter ? QStringLiteral("Texte crypté") : QStringLiteral("Texte décrypté"));
        m_resultat->setTexte(std::move(calcul.resultat), std::move(calcul.lignes));
    }
    Q_EMIT calculTermine();
}

void FenCrypteur::copier(const QString& texte)
{
    QClipboard* presse = QGuiApplication::clipboard();
    presse->clear();
    presse->setText(texte);
    m_general.JouerSon(General::SonFin);
}
