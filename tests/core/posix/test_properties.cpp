#include "core/properties.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace ordalis {
namespace {

TEST(PropertiesLines, SizeInKilobytesRoundedUp)
{
    EXPECT_EQ(sizeLine(0), "Taille : 0 octets ou 0 Ko");
    EXPECT_EQ(sizeLine(1), "Taille : 1 octets ou 1 Ko");
    EXPECT_EQ(sizeLine(1024), "Taille : 1024 octets ou 1 Ko");
    EXPECT_EQ(sizeLine(1025), "Taille : 1025 octets ou 2 Ko");
    EXPECT_EQ(sizeLine(5368709121ULL), "Taille : 5368709121 octets ou 5242881 Ko");
}

TEST(PropertiesLines, FolderCaptionWithoutTrailingSeparator)
{
    EXPECT_EQ(folderCaption("/a.txt", '/'), "/");
    EXPECT_EQ(folderCaption("/home/u/a.txt", '/'), "/home/u");
    EXPECT_EQ(folderCaption("C:\\a.txt", '\\'), "C:");
    EXPECT_EQ(folderCaption("C:\\Photos\\a.txt", '\\'), "C:\\Photos");
}

TEST(PropertiesLines, AttributeTextNamesTheFourAttributesOnly)
{
    EXPECT_EQ(propertiesAttributeText(0x21, true), "Archive - Lecture seule");
    EXPECT_EQ(propertiesAttributeText(7, true), "Lecture seule - Fichier caché - Fichier système");
    EXPECT_EQ(propertiesAttributeText(0x801, true), "Lecture seule");  // compressed read-only
    EXPECT_EQ(propertiesAttributeText(0x80, true), "Normal");
    EXPECT_EQ(propertiesAttributeText(0, true), "Normal");
    EXPECT_EQ(propertiesAttributeText(0x27, false), "Normal");
    EXPECT_EQ(attributesLine(0x27, true),
              "Attributs : Archive - Lecture seule - Fichier caché - Fichier système");
}

TEST(PropertiesLines, NameAndDateLines)
{
    EXPECT_EQ(nameLine("photo.jpg"), "Nom du fichier : photo.jpg");
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    ::setenv("TZ", "Europe/Paris", 1);
    ::tzset();
    // 2001-08-14 03:12:24 UTC and 1999-12-31 23:00:00 UTC.
    EXPECT_EQ(dateLine(kCreatedLabel, 126422323440000000ULL), "Créé le     : 14/08/2001 05:12:24");
    EXPECT_EQ(dateLine(kModifiedLabel, 125911548000000000ULL), "Modifié le : 01/01/2000");
    EXPECT_EQ(dateLine(kAccessedLabel, 125911548000000000ULL), "Accédé le : 01/01/2000");
    if (old)
        ::setenv("TZ", saved.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

}  // namespace
}  // namespace ordalis
