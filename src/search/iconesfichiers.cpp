#include "search/iconesfichiers.h"

#include "ui/dessin.h"

#include <QPixmap>

namespace {

constexpr int kIconeDefaut = 0;

std::string cleDeNom(std::string_view nom)
{
    const std::size_t point = nom.rfind('.');
    std::string cle(point != std::string_view::npos && point > 0 && point + 1 < nom.size() ? nom.substr(point) : nom);
    for (char& c : cle)
        c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return cle;
}

}  // namespace

IconesFichiers::IconesFichiers()
{
    vider();
}

void IconesFichiers::vider()
{
    m_icones.clear();
    m_parExtension.clear();
    m_parNomIcone.clear();
    m_parContenu.clear();
    m_icones.push_back(iconeDessin(QStringLiteral(":/icons/fichier.svg")));
}

int IconesFichiers::stocker(const QIcon& icone)
{
    m_icones.push_back(icone);
    return int(m_icones.size()) - 1;
}

int IconesFichiers::pourNom(std::string_view nom)
{
    std::string cle = cleDeNom(nom);
    const auto trouve = m_parExtension.find(cle);
    if (trouve != m_parExtension.end())
        return trouve->second;
    const QString texte = QString::fromUtf8(nom.data(), qsizetype(nom.size()));
    const int index = pourType(m_types.mimeTypeForFile(texte, QMimeDatabase::MatchExtension));
    m_parExtension.emplace(std::move(cle), index);
    return index;
}

int IconesFichiers::pourType(const QMimeType& type)
{
    for (const QString& nomIcone : {type.iconName(), type.genericIconName()}) {
        if (nomIcone.isEmpty())
            continue;
        const auto trouve = m_parNomIcone.constFind(nomIcone);
        if (trouve != m_parNomIcone.cend())
            return *trouve;
        if (!QIcon::hasThemeIcon(nomIcone))
            continue;
        const int index = stocker(QIcon::fromTheme(nomIcone));
        m_parNomIcone.insert(nomIcone, index);
        return index;
    }
    return kIconeDefaut;
}

int IconesFichiers::pourImage(const QByteArray& cle, const QImage& image)
{
    const auto trouve = m_parContenu.constFind(cle);
    if (trouve != m_parContenu.cend())
        return *trouve;
    const int index = stocker(QIcon(QPixmap::fromImage(image)));
    m_parContenu.insert(cle, index);
    return index;
}
