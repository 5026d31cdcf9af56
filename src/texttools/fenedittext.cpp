#include "texttools/fenedittext.h"

#include "texttools/zonetexte.h"
#include "core/platform/platform.h"
#include "ui/chrome.h"
#include "ui/dialogues.h"
#include "ui/general.h"
#include "ui/raisons.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"
#include "ui/ui.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QShortcut>
#include <functional>
#include <optional>
#include <string_view>

namespace {

const QString kTitre = QStringLiteral("Mini-Editeur");
const QString kFiltre = QStringLiteral("Fichiers texte (*.txt);;Tous les fichiers (*)");

// Larger files are refused without being read: the editor holds the whole
// text and its layout in memory, several times the file's size, and reading
// them would hold the window for many seconds.
constexpr qint64 kTailleMaxEditeur = 16 * 1024 * 1024;

// The message refusing a file over kTailleMaxEditeur; nothing for any
// other path (a missing or unreadable file is reported when it is read).
std::optional<QString> refusTropGros(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.isFile() || info.size() <= kTailleMaxEditeur)
        return std::nullopt;
    return QStringLiteral("Le fichier « %1 » fait %2 Mo : le Mini-Editeur n'ouvre que les fichiers de %3 Mo "
                          "au plus.\nLe texte affiché reste le même.")
        .arg(fileName)
        .arg((info.size() + 1024 * 1024 - 1) / (1024 * 1024))
        .arg(kTailleMaxEditeur / (1024 * 1024));
}


const Bande bandes[] = {
    {"Forme1", 0, 315, 7815, 120, Couleur::DegradeInverse},
    {"Forme2", 0, 435, 120, 6255, Couleur::Degrade, Qt::Vertical},
    {"Forme3", 7695, 435, 120, 6255, Couleur::DegradeInverse, Qt::Vertical},
    {"Forme4", 120, 1035, 7575, 75, Couleur::Degrade},
    {"Forme5", 0, 6690, 7815, 120, Couleur::DegradeInverse},
};

}  // namespace

FenEditText::FenEditText(General& general, QWidget* parent) : QWidget(parent, Qt::Window), m_general(general)
{
    m_chrome = new Chrome(this, general, {.nom = "FenEditText", .titre = QStringLiteral("Editeur de texte"),
                                          .legende = kTitre, .largeur = 7815, .hauteur = 6810,
                                          .options = {.aide = true, .sujetGauche = SujetAide::MiniEditeur}, .bandes = bandes});
    construireCommandes();
    m_edit = new ZoneTexte(this);
    m_edit->setObjectName(QStringLiteral("txtEdit"));
    m_edit->setAccessibleName(QStringLiteral("Texte édité"));
    donnerRoles(m_edit, role::Champ);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    placer(m_edit, 120, 1110, 7575, 5580);
    appliquerCouleurs(this, general.couleurs);

    const struct {
        QKeySequence::StandardKey touches;
        void (FenEditText::*action)();
    } raccourcis[] = {{QKeySequence::New, &FenEditText::nouveau},
                      {QKeySequence::Open, &FenEditText::ouvrir},
                      {QKeySequence::Save, &FenEditText::enregistrer}};
    for (const auto& r : raccourcis)
        connect(new QShortcut(r.touches, this), &QShortcut::activated, this, r.action);
}

void FenEditText::construireCommandes()
{
    TavPanel* fond = creerPanneau(this, QStringLiteral("FondCommandes"), Couleur::Degrade);
    placer(fond, 120, 435, 7575, 600);
    struct Commande {
        const char* nom;
        const char* image;
        const char* bulle;
        void (FenEditText::*action)();
    };
    static const Commande commandes[] = {
        {"CmdNouveau", "nouveau", "Nouveau", &FenEditText::nouveau},
        {"CmdOuvrir", "ouvrir", "Ouvrir", &FenEditText::ouvrir},
        {"CmdEnregSous", "enregistrer", "Enregistrer sous...", &FenEditText::enregistrer},
        {"CmdPolices", "polices", "Polices", &FenEditText::polices},
    };
    int gauche = 75;
    for (const Commande& c : commandes) {
        TavBttn* b = creerBouton(fond, QString::fromLatin1(c.nom), role::Aucun);
        b->setPicture(QStringLiteral(":/texttools/icones/%1.svg").arg(QLatin1String(c.image)));
        installerBulle(b, m_general, QString::fromUtf8(c.bulle));
        placer(b, gauche, 60, 600, 480);
        connect(b, &TavBttn::clicked, this, c.action);
        gauche += 615;
    }
    placer(creerForme(fond, QStringLiteral("Forme6"), Couleur::DegradeInverse), gauche + 60, 105, 7440 - gauche, 390);
}

void FenEditText::nommer(const QString& fichier)
{
    m_fichierEdite = fichier;
    m_chrome->deplace()->setCaption(kTitre + QStringLiteral(" - ") + fichier);
}

void FenEditText::nouveau()
{
    if (!peutRemplacerLeTexte())
        return;
    arreterLecture();
    m_edit->clear();
    m_format.reset();
    m_lignes = {};
    marquerEnregistre();
    nommer(QStringLiteral("Sans_titre"));
}

void FenEditText::ouvrir()
{
    if (!peutRemplacerLeTexte())
        return;
    const QString dossier = QFileInfo(m_fichierEdite).isAbsolute() ? QFileInfo(m_fichierEdite).absolutePath() : QString();
    const std::optional<QString> chemin =
        m_general.dialogues().ouvrirFichier(this, {QStringLiteral("Ouvrir"), dossier, kFiltre, QString()});
    if (chemin)
        OpenFile(*chemin);
}

// What reading a file gave.
struct FenEditText::Lecture {
    std::optional<QString> refus;  // too large: not read
    std::error_code erreur;
    ordalis::DecodedText texte;
};

void FenEditText::OpenFile(const QString& fileName)
{
    if (m_chrome->deplace()->caption() == kTitre + QStringLiteral(" - ") + fileName) {
        arreterLecture();
        nommer(fileName);
        Q_EMIT chargementTermine();
        return;
    }
    setCursor(Qt::WaitCursor);
    m_edit->setReadOnly(true);  // the user agreed to replace the text
    m_lecture.demarrer([this, fileName](const std::atomic<bool>&, const Tache::Rapport& rapporter) {
        auto lu = std::make_shared<Lecture>();
        lu->refus = refusTropGros(fileName);
        if (!lu->refus)
            lu->erreur = ordalis::readTextFile(fileName.toStdString(), lu->texte);
        ordalis::platform::releaseFreedMemory();  // the file's bytes
        rapporter([this, fileName, lu] {
            arreterLecture();
            afficher(fileName, *lu);
            Q_EMIT chargementTermine();
        });
    });
}

// A file refused leaves the file being edited as it was: no save goes over the unread one.
void FenEditText::afficher(const QString& fileName, Lecture& lu)
{
    if (lu.refus)
        return signalerEchec(*lu.refus);
    if (lu.erreur == std::errc::no_such_file_or_directory)
        return nommer(fileName);  // the old text stays, the title takes the name
    if (lu.erreur)
        return signalerEchec(
            QStringLiteral("Le fichier « %1 » n'a pas pu être lu : %2.").arg(fileName, raisonEnFrancais(lu.erreur)));
    if (lu.texte.binary && !ouvrirCommeTexte(fileName))
        return;
    m_format = lu.texte.format;
    m_lignes = ordalis::LineLayout(lu.texte.text, std::move(lu.texte.breaks));
    m_edit->setTexteExact(std::move(lu.texte.text));
    marquerEnregistre();
    nommer(fileName);
}

void FenEditText::arreterLecture()
{
    m_lecture.arreter();
    unsetCursor();
    m_edit->setReadOnly(false);
}

bool FenEditText::enregistrerSous()
{
    const QFileInfo actuel(m_fichierEdite);
    const DemandeFichier demande{QStringLiteral("Enregistrer sous"),
                                 actuel.isAbsolute() ? actuel.absolutePath() : QString(), kFiltre,
                                 m_fichierEdite.isEmpty() ? QString() : actuel.fileName()};
    const std::optional<QString> chemin = m_general.dialogues().enregistrerFichier(this, demande);
    if (!chemin)
        return false;
    const bool ecrit = CloseFile(*chemin);
    nommer(*chemin);
    return ecrit;
}

bool FenEditText::CloseFile(const QString& fileName)
{
    const QFileInfo cible(fileName);
    if (cible.exists() && !cible.isDir() && !confirmerEcrasement())
        return false;
    const std::u16string_view texte = m_edit->texte();
    ordalis::TextFormat format = m_format.value_or(ordalis::newTextFormat(texte));
    ordalis::cp1252::Unencodable manque;
    std::error_code erreur = ordalis::saveTextFile(fileName.toStdString(), texte, format, &manque, &m_lignes);
    if (erreur == std::errc::illegal_byte_sequence && format.encoding == ordalis::TextEncoding::Cp1252) {
        if (!proposerUtf8(manque.character))
            return false;
        format.encoding = ordalis::TextEncoding::Utf8;
        erreur = ordalis::saveTextFile(fileName.toStdString(), texte, format, &manque, &m_lignes);
    }
    if (erreur) {
        signalerEchec(QStringLiteral("Le fichier « %1 » n'a pas été enregistré : %2.\nS'il existait, il est "
                                     "resté tel quel.").arg(fileName, raisonEnFrancais(erreur)));
        return false;
    }
    m_format = format;
    marquerEnregistre();
    return true;
}

bool FenEditText::confirmerEcrasement()
{
    const Message question{QStringLiteral("Ordalis"), QStringLiteral("Ecraser le fichier existant ?"),
                           IconeMessage::Question, BoutonsMessage::OuiNon, Reponse::Non};
    return m_general.dialogues().message(this, question) == Reponse::Oui;
}

bool FenEditText::proposerUtf8(char32_t manque)
{
    const Message question{
        QStringLiteral("Ordalis"),
        QStringLiteral("Le texte contient le caractère %1, que le codage du fichier (Windows-1252) ne connaît "
                       "pas.\nEnregistrer le fichier en UTF-8 ?").arg(nommerCaractere(manque)),
        IconeMessage::Question, BoutonsMessage::OuiNon, Reponse::Non};
    return m_general.dialogues().message(this, question) == Reponse::Oui;
}

bool FenEditText::ouvrirCommeTexte(const QString& fileName)
{
    const Message question{
        QStringLiteral("Ordalis"),
        QStringLiteral("Le fichier « %1 » ne semble pas être un fichier texte : il contient des octets nuls ou des "
                       "codes qui ne sont pas du texte.\nL'ouvrir quand même ?").arg(fileName),
        IconeMessage::Question, BoutonsMessage::OuiNon, Reponse::Non};
    return m_general.dialogues().message(this, question) == Reponse::Oui;
}

void FenEditText::marquerEnregistre()
{
    m_empreinte = std::hash<std::u16string_view>{}(m_edit->texte());
    m_longueur = m_edit->texte().size();
    m_edit->setModifie(false);
}

bool FenEditText::peutRemplacerLeTexte()
{
    if (!m_edit->estModifie())
        return true;
    const std::u16string_view texte = m_edit->texte();
    if (texte.size() == m_longueur && std::hash<std::u16string_view>{}(texte) == m_empreinte)
        return true;
    const Message question{QStringLiteral("Ordalis"), QStringLiteral("Enregistrer les modifications ?"),
                           IconeMessage::Question, BoutonsMessage::OuiNonAnnuler, Reponse::Oui};
    switch (m_general.dialogues().message(this, question)) {
    case Reponse::Oui: return enregistrerSous();
    case Reponse::Non: return true;
    default: return false;
    }
}

void FenEditText::closeEvent(QCloseEvent* event)
{
    if (peutRemplacerLeTexte()) {
        arreterLecture();
        event->accept();
    } else {
        event->ignore();
    }
}

void FenEditText::signalerEchec(const QString& texte)
{
    m_general.dialogues().message(this, {kTitre, texte, IconeMessage::Exclamation});
}

void FenEditText::polices()
{
    if (const std::optional<QFont> police = m_general.dialogues().police(this, m_edit->font()))
        m_edit->setFont(*police);
}
