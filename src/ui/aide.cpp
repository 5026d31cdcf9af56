#include "ui/aide.h"

#include "ui/dialogues.h"
#include "ui/fenetres.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QPointer<FenAide> instance;
}

FenAide::FenAide(QWidget* parent) : QWidget(parent, Qt::Window), m_navigateur(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("FenAide"));
    setWindowTitle(QStringLiteral("Aide - Ordalis..."));
    setAttribute(Qt::WA_DeleteOnClose);
    m_navigateur->setObjectName(QStringLiteral("Navigateur"));
    m_navigateur->setOpenExternalLinks(true);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(m_navigateur);
    resize(640, 520);
}

QString FenAide::pageSujet(const QString& cheminAide, SujetAide sujet)
{
    if (sujet == SujetAide::Sommaire)
        return cheminAide;
    return QFileInfo(cheminAide).absoluteDir().filePath(QStringLiteral("sujet%1.html").arg(int(sujet)));
}

QString FenAide::pageAffichee() const
{
    return m_navigateur->source().toLocalFile();
}

void FenAide::afficher(Dialogues& dialogues, const QString& titre, const QString& cheminAide,
                       QWidget* depuis, SujetAide sujet)
{
    const QString page = pageSujet(cheminAide, sujet);
    if (!QFileInfo::exists(page)) {
        dialogues.message(depuis, {titre,
            QStringLiteral("Le fichier d'aide est introuvable :\n%1").arg(QDir::toNativeSeparators(page)),
            IconeMessage::Exclamation, BoutonsMessage::Ok, Reponse::Ok});
        return;
    }
    FenAide* fen = afficherFenetreOutil(instance, [] { return new FenAide; });
    fen->m_navigateur->setSource(QUrl::fromLocalFile(page));
}
