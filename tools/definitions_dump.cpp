// Prints every definition table as JSON: its name, each binding of it (the view
// catalogue's rows and the bindings outside the catalogue, with their list kind
// and key count) and its columns (OID, caption, syntax keyword, access, option
// list); and the port counts (the switch's, an access rule's port list's).  The
// simulator's data generator reads it, so that the served objects follow the
// program's own tables:
//
//     definitions_dump > tables.json
//
// A table nothing binds, or a catalogue row over a table the index does not
// list, is an error: the generator could not tell its rows.
#include "defs/SwitchPorts.h"
#include "defs/ViewDefinitionTables.h"
#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSyntaxCodec.h"
#include "mainwin/ViewCatalogue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cstdio>
#include <string>

namespace {

QString Text(const char* text) { return QString::fromUtf8(text ? text : ""); }

QString KindName(std::uint8_t kind)
{
    switch (kind) {
    case SVT_SV: return QStringLiteral("SVT_SV");
    case MVT_SV: return QStringLiteral("MVT_SV");
    case MVT_FMV: return QStringLiteral("MVT_FMV");
    case MVT_UMV: return QStringLiteral("MVT_UMV");
    default: return {};
    }
}

// As the definition tables write it (defs/DefinitionRows.h).
QString AccessName(std::uint32_t access)
{
    if (access == (KvAccess::NotAccess | KvAccess::Implied))
        return QStringLiteral("ImpliedKey");
    if (access == KvAccess::NotAccess)
        return QStringLiteral("Key");
    if (access == KvAccess::ReadWrite)
        return QStringLiteral("ReadWrite");
    if (access == KvAccess::ReadOnly)
        return QStringLiteral("ReadOnly");
    return {};
}

QJsonObject Binding(const QString& by, std::uint8_t kind, int keys)
{
    return {{QStringLiteral("by"), by}, {QStringLiteral("kind"), KindName(kind)}, {QStringLiteral("keys"), keys}};
}

QJsonArray Options(const KvOptionList& list)
{
    QJsonArray rows;
    for (int i = 0; i < list.Count(); ++i) {
        const KvOptionEntry& e = list.Item(i);
        rows.append(QJsonArray{e.Value, QString::fromStdString(e.Label), QString::fromStdString(e.Text)});
    }
    return rows;
}

bool Fail(const std::string& what)
{
    std::fprintf(stderr, "definitions_dump: %s\n", what.c_str());
    return false;
}

bool Columns(const ViewDefinitionTable& table, QJsonArray& columns)
{
    for (int i = 0; i < table.Count; ++i) {
        const KvSNMPVarDef& d = table.Defs[i];
        const KvSyntaxCodec* codec = KvFindSyntaxCodec(d.Syntax);
        const QString access = AccessName(d.Access);
        if (!codec || access.isEmpty())
            return Fail(std::string(table.Name) + " \"" + d.Caption + "\": no syntax keyword or access name");
        QJsonObject column{{QStringLiteral("oid"), Text(d.Oid)},
                           {QStringLiteral("caption"), Text(d.Caption)},
                           {QStringLiteral("syntax"), Text(codec->Keyword)},
                           {QStringLiteral("access"), access}};
        if (d.Options)
            column.insert(QStringLiteral("options"), Options(*d.Options));
        columns.append(column);
    }
    return true;
}

}  // namespace

int main()
{
    bool ok = true;
    for (const ViewCatalogueRow& row : ViewCatalogue()) {
        if (row.Action != ViewAction::Generic)
            continue;
        bool listed = false;
        for (const ViewDefinitionTable& t : ViewDefinitionTables)
            listed = listed || t.Defs == row.Defs;
        if (!listed)
            ok = Fail(std::string("the catalogue's item ") + row.Item + " binds a table the index does not list");
    }

    QJsonArray tables;
    for (const ViewDefinitionTable& t : ViewDefinitionTables) {
        QJsonArray bindings;
        for (const ViewCatalogueRow& row : ViewCatalogue())
            if (row.Action == ViewAction::Generic && row.Defs == t.Defs)
                bindings.append(Binding(QStringLiteral("view ") + Text(row.Item) +
                                            (row.Page ? QStringLiteral(" / ") + Text(row.Page) : QString()),
                                        row.ItemType, row.Keys));
        for (const NamedDefinitionBinding& b : DefinitionBindings)
            if (b.Binding.Defs == t.Defs)
                bindings.append(Binding(Text(b.Name), b.Binding.Kind, b.Binding.Keys));
        if (bindings.isEmpty())
            ok = Fail(std::string(t.Name) + ": neither a view nor a binding outside the catalogue binds it");

        QJsonArray columns;
        ok = Columns(t, columns) && ok;
        tables.append(QJsonObject{{QStringLiteral("name"), Text(t.Name)},
                                  {QStringLiteral("bindings"), bindings},
                                  {QStringLiteral("columns"), columns}});
    }
    if (!ok)
        return 1;
    const QByteArray json = QJsonDocument(QJsonObject{{QStringLiteral("ports"), KswPortCount},
                                                      {QStringLiteral("rulePorts"), AclRulePortCount},
                                                      {QStringLiteral("tables"), tables}})
                                .toJson();
    return std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout) ==
                   static_cast<std::size_t>(json.size()) && std::fflush(stdout) == 0
               ? 0
               : 1;
}
