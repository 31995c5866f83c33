// Rule 10 of the rule list: a plug-in library (plugins/CorvexProPlugin.h) gives each new
// name. The library is loaded for one use and released after it, on every path.

#include "operations/fktUmbenennen.h"

#include "CorvexProPlugin.h"
#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/TextLines.h"
#include "operations/fktAllgemein.h"
#include "operations/fktUmbenennen_Eintrag.h"
#include "platform/SharedLibrary.h"
#include "platform/fs/PathCodec.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QComboBox>
#include <QStringDecoder>

#include <memory>

using namespace RenameEntry;

namespace {

// The library DatUmbComboBox03 names: a name without "/" from the program's folder
// first, then by the system's search; a path as it stands. Nothing for an empty text.
std::unique_ptr<platform::SharedLibrary> LoadChosenLibrary()
{
    const QString text = HauptForm->DatUmbComboBox03->currentText();
    if (text.isEmpty())
        return nullptr;
    std::unique_ptr<platform::SharedLibrary> library;
    if (!text.contains(u'/')) {
        library = std::make_unique<platform::SharedLibrary>(AddTrailingBackslash(ProgramDir) + text);
        if (library->Loaded())
            return library;
    }
    return std::make_unique<platform::SharedLibrary>(text);
}

// The export Name of the chosen library; nullptr after message 9082 when it or the
// library is missing.
void *ChosenExport(const platform::SharedLibrary *Library, const char *Name)
{
    void *function = Library ? Library->Symbol(Name) : nullptr;
    if (!function && !PreviewMessages::HoldBack(LoadLangString(9082)))
        MessageDlg(LoadLangString(9082), mtWarning, mbOKOnly, 0, LanguageName());
    return function;
}

// A description as text: UTF-8, else Windows-1252; CR LF, LF and CR end lines.
QString DescriptionText(const QByteArray &Bytes)
{
    auto utf8 = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(Bytes);
    if (utf8.hasError())
        text = TextLines::decodeWindows1252(Bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

void RenameByExternalDll()
{
    const std::unique_ptr<platform::SharedLibrary> library = LoadChosenLibrary();
    const auto newName = reinterpret_cast<Neuen_Dateinamen_bestimmen_t>(
        ChosenExport(library.get(), "Neuen_Dateinamen_bestimmen"));
    if (!newName)
        return;
    CheckTargetFolder();
    QStringList &entries = HauptForm->NeueDateinamen;
    QByteArray name;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const PartViews p = SplitView(entries[i]);
        name.clear();
        fs::appendEncodedName(name, p.Name);
        // The result is copied while the name handed in still lives.
        const char *result = newName(name.constData());
        if (!result)
            continue;
        Store(entries, i, TextRuleFolder(p.Folder.toString()), NameText(fs::decodeName(result)));
    }
}

std::optional<QString> PluginDescription()
{
    const std::unique_ptr<platform::SharedLibrary> library = LoadChosenLibrary();
    const auto describe = reinterpret_cast<Funktions_Beschreibung_t>(ChosenExport(library.get(), "Funktions_Beschreibung"));
    if (!describe)
        return std::nullopt;
    const char *text = describe();
    return DescriptionText(text ? QByteArray(text) : QByteArray());
}
