#include "WebSearch.h"

#include <gtest/gtest.h>

namespace catalogue {
namespace {

std::string query(const QString& url)
{
    EXPECT_TRUE(url.startsWith(kWebSearchPrefix)) << url.toStdString();
    return url.mid(kWebSearchPrefix.size()).toStdString();
}

TEST(WebSearch, TitleSearchesEncodeTheTitleAndEndInDuracion)
{
    EXPECT_EQ(titleSearchUrl(u"El Padrino").toStdString(), "https://www.google.com/search?q=El+Padrino+Duracion");
    EXPECT_EQ(query(titleSearchUrl(u"El  Padrino")), "El++Padrino+Duracion");
    EXPECT_EQ(query(titleSearchUrl(u" Alien ")), "+Alien++Duracion");
    EXPECT_EQ(query(titleSearchUrl(u"Fast & Furious")), "Fast+%26+Furious+Duracion");
    EXPECT_EQ(query(titleSearchUrl(u"C+ 1")), "C%2B+1+Duracion");
    EXPECT_EQ(query(titleSearchUrl(u"#9 ¿Qué?")), "%239+%C2%BFQu%C3%A9%3F+Duracion");
    EXPECT_EQ(query(titleSearchUrl(u"a-b_c.d~e/f%")), "a-b_c.d~e%2Ff%25+Duracion");
    EXPECT_EQ(query(titleSearchUrl(u"Hero 英雄 🎬")), "Hero+%E8%8B%B1%E9%9B%84+%F0%9F%8E%AC+Duracion");
    // An empty box still searches, for the suffix alone.
    EXPECT_EQ(query(titleSearchUrl(u"")), "+Duracion");
}

TEST(WebSearch, DirectorSearchesEndInAnEncodedBiografia)
{
    EXPECT_EQ(query(directorSearchUrl(u"Pedro Almodóvar")), "Pedro+Almod%C3%B3var+Biograf%C3%ADa");
    EXPECT_EQ(query(directorSearchUrl(u"")), "+Biograf%C3%ADa");
}

} // namespace
} // namespace catalogue
