// The icons of the results list, each stored once: a file's own picture is
// kept by its content (two icon files showing the same picture share one
// icon), any other file gets the icon of its type from the desktop's icon
// theme, kept by type, and a file whose type has no icon gets the default
// file icon. There is no limit on the number of icons.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QMimeDatabase>
#include <QString>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class IconesFichiers {
public:
    IconesFichiers();

    // The index of the icon for a file named `nom` (UTF-8), by its type.
    // Looks the type up once per extension.
    int pourNom(std::string_view nom);
    // The index of a file's own picture; `cle` identifies the picture.
    int pourImage(const QByteArray& cle, const QImage& image);

    const QIcon& icone(int index) const { return m_icones[std::size_t(index)]; }
    // How many different icons are stored (the default one included).
    int nombre() const { return int(m_icones.size()); }
    // Back to the default icon alone.
    void vider();

private:
    int stocker(const QIcon& icone);
    int pourType(const QMimeType& type);

    std::vector<QIcon> m_icones;
    std::unordered_map<std::string, int> m_parExtension;  // lower-case extension, or the whole name without one
    QHash<QString, int> m_parNomIcone;   // theme icon name
    QHash<QByteArray, int> m_parContenu;
    QMimeDatabase m_types;
};
