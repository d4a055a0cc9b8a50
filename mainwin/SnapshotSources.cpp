#include "SnapshotSources.h"

#include "ViewCatalogue.h"
#include "defs/ViewDefinitionTables.h"

#include <cctype>
#include <set>

namespace {

// "Community Table : " -> "Community Table".
std::string TitleCaption(const char* text)
{
    std::string s = text ? text : "";
    while (!s.empty() && (s.back() == ' ' || s.back() == ':'))
        s.pop_back();
    return s;
}

// "LoginMethodListDefs" -> "Login Method List".
std::string NameCaption(std::string name)
{
    if (name.size() > 4 && name.ends_with("Defs"))
        name.resize(name.size() - 4);
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const bool upper = std::isupper(static_cast<unsigned char>(name[i]));
        const bool afterLower = i > 0 && std::islower(static_cast<unsigned char>(name[i - 1]));
        if (upper && afterLower)
            out += ' ';
        out += name[i];
    }
    return out;
}

} // namespace

std::vector<SnapshotSource> ModuleSnapshotSources()
{
    std::vector<SnapshotSource> sources;
    std::set<const KvSNMPVarDef*> bound;
    std::string title;
    for (const ViewCatalogueRow& row : ViewCatalogue()) {
        if (row.Action != ViewAction::Generic || !row.Defs)
            continue;
        if (row.Title.Form != ViewTitleForm::Same)
            title = TitleCaption(row.Title.Text);
        SnapshotSource s;
        s.View = row.Page ? row.Page : title.empty() ? row.Item : title;
        s.Defs = row.Defs;
        s.Kind = row.ItemType;
        s.Keys = row.Keys;
        if (row.Has(ViewAdjust::SpinLockRow))
            s.SpinLockRow = 0;
        if (row.Add.Row >= 0 || row.Delete.Row >= 0) {
            s.RowStatusRow = row.Add.Row >= 0 ? row.Add.Row : row.Delete.Row;
            s.CreateLabel = row.Add.Label ? row.Add.Label : "";
            s.DestroyLabel = row.Delete.Label ? row.Delete.Label : "";
        }
        bound.insert(row.Defs);
        sources.push_back(std::move(s));
    }
    // The dialogs' tables: their keys lead, and a row-status column (or the
    // server groups' add/delete column) makes and removes rows.
    for (const ViewDefinitionTable& table : ViewDefinitionTables) {
        if (bound.count(table.Defs))
            continue;
        SnapshotSource s;
        s.View = NameCaption(table.Name);
        s.Defs = table.Defs;
        while (s.Keys < table.Count && (table.Defs[s.Keys].Access & KvAccess::NotAccess))
            ++s.Keys;
        s.Kind = s.Keys > 0 ? MVT_UMV : SVT_SV;
        for (int i = s.Keys; i < table.Count; ++i) {
            const KvOptionList* o = table.Defs[i].Options;
            if (o == &RowStatusOptions || o == &AacGroupRowStateOptions) {
                s.RowStatusRow = i;
                s.CreateLabel = o == &RowStatusOptions ? "createAndGo" : "add";
                s.DestroyLabel = o == &RowStatusOptions ? "destroy" : "delete";
                break;
            }
        }
        sources.push_back(std::move(s));
    }
    return sources;
}

const SnapshotModel& ModuleSnapshotModel()
{
    static const SnapshotModel model(ModuleSnapshotSources());
    return model;
}
