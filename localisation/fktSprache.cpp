#include "localisation/fktSprache.h"

int Sprache = 0;
std::uint8_t LanguageIndex = 0;
const std::array<QString, 5> LanguageNames = {QStringLiteral("deutsch"), QStringLiteral("english"),
                                              QStringLiteral("dutch"), QStringLiteral("spanish"),
                                              QStringLiteral("french")};

QString LoadLangString(int)
{
    return {};
}

void SetLanguageIndexFromSprache()
{
    for (int i = 0; i < 5; ++i)
        if (Sprache == i * 10000)
            LanguageIndex = std::uint8_t(i);
}

QString LanguageName()
{
    return LanguageNames[LanguageIndex < 5 ? LanguageIndex : 0];
}
