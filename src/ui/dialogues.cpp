#include "ui/dialogues.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon iconeQt(IconeMessage icone)
{
    switch (icone) {
    case IconeMessage::Information: return QMessageBox::Information;
    case IconeMessage::Question: return QMessageBox::Question;
    case IconeMessage::Exclamation: return QMessageBox::Warning;
    case IconeMessage::Stop: return QMessageBox::Critical;
    case IconeMessage::Aucune: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton boutonQt(Reponse reponse)
{
    switch (reponse) {
    case Reponse::Oui: return QMessageBox::Yes;
    case Reponse::Non: return QMessageBox::No;
    case Reponse::Recommencer: return QMessageBox::Retry;
    case Reponse::Annuler: return QMessageBox::Cancel;
    case Reponse::Ok: break;
    }
    return QMessageBox::Ok;
}

Reponse reponseDe(int bouton)
{
    switch (bouton) {
    case QMessageBox::Yes: return Reponse::Oui;
    case QMessageBox::No: return Reponse::Non;
    case QMessageBox::Retry: return Reponse::Recommencer;
    case QMessageBox::Cancel: return Reponse::Annuler;
    default: return Reponse::Ok;
    }
}

QMessageBox::StandardButtons boutonsQt(BoutonsMessage boutons)
{
    switch (boutons) {
    case BoutonsMessage::OuiNon: return QMessageBox::Yes | QMessageBox::No;
    case BoutonsMessage::OuiNonAnnuler: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case BoutonsMessage::RecommencerAnnuler: return QMessageBox::Retry | QMessageBox::Cancel;
    case BoutonsMessage::Ok: break;
    }
    return QMessageBox::Ok;
}

}  // namespace

Reponse DialoguesQt::message(QWidget* parent, const Message& m)
{
    QMessageBox box(iconeQt(m.icone), m.titre, m.texte, boutonsQt(m.boutons), parent);
    static const struct { QMessageBox::StandardButton bouton; const char* texte; } francais[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Yes, "&Oui"}, {QMessageBox::No, "&Non"},
        {QMessageBox::Retry, "&Recommencer"}, {QMessageBox::Cancel, "Annuler"}};
    for (const auto& f : francais)
        if (QAbstractButton* b = box.button(f.bouton))
            b->setText(QString::fromUtf8(f.texte));
    box.setDefaultButton(boutonQt(m.parDefaut));
    if (m.boutons == BoutonsMessage::OuiNon)
        box.setEscapeButton(QMessageBox::No);
    else if (m.boutons == BoutonsMessage::OuiNonAnnuler)
        box.setEscapeButton(QMessageBox::Cancel);
    return reponseDe(box.exec());
}

std::optional<QString> DialoguesQt::ouvrirFichier(QWidget* parent, const DemandeFichier& d)
{
    const QString chemin = QFileDialog::getOpenFileName(parent, d.titre, d.dossier, d.filtre);
    if (chemin.isEmpty())
        return std::nullopt;
    return chemin;
}

std::optional<QString> DialoguesQt::enregistrerFichier(QWidget* parent, const DemandeFichier& d)
{
    const QString depart = d.nom.isEmpty() ? d.dossier : d.dossier + QLatin1Char('/') + d.nom;
    // The caller asks its own overwrite question, with No as the default.
    const QString chemin = QFileDialog::getSaveFileName(parent, d.titre, depart, d.filtre, nullptr,
                                                        QFileDialog::DontConfirmOverwrite);
    if (chemin.isEmpty())
        return std::nullopt;
    return chemin;
}

std::optional<QColor> DialoguesQt::couleur(QWidget* parent, const QColor& initiale)
{
    const QColor c = QColorDialog::getColor(initiale, parent);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QFont> DialoguesQt::police(QWidget* parent, const QFont& initiale)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initiale, parent);
    if (!ok)
        return std::nullopt;
    return f;
}
