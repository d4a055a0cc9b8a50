#include "KvSNMPErrors.h"
#include "KvCatalogueFiles.h"

#include "KvTextFile.h"
#include "KvTextUtil.h"

#include <algorithm>

std::string KvMessageTable::Text(int row) const
{
    if (row < 0 || row >= Count())
        return {};
    return texts_[static_cast<std::size_t>(row)];
}

void KvMessageTable::Replace(int row, const std::string& text)
{
    if (row < 0 || row >= Count())
        return;
    texts_[static_cast<std::size_t>(row)] = text;
}

KvMessageTable& SnmpMessages()
{
    static KvMessageTable table({
        "(SNMP) Response PDU Too Big!",
        "(SNMP) Variable does not exist!",
        "(SNMP) Cannot modify variable: Bad Value!",
        "(SNMP) Cannot modify object, Read Only!",
        "(SNMP) Cannot perform operation, General Error!",
        "(SNMP) Cannot access variable, No Access!",
        "(SNMP) Cannot create/modify variable, Wrong Type!",
        "(SNMP) Cannot create/set variable, Wrong Length!",
        "(SNMP) Cannot create/set variable, Wrong Encoding!",
        "(SNMP) Cannot create/set variable, Wrong Value!",
        "(SNMP) Cannot create variable, Creation Not Allowed!",
        "(SNMP) Cannot create/set variable, Inconsistent Value!",
        "(SNMP) Cannot create/set variable, Resource Unavailable!",
        "(SNMP) Cannot create/set variable, Commit Failed!",
        "(SNMP) Cannot create/set variable, Undo Failed!",
        "(SNMP) Cannot perform operation, Authorization Error!",
        "(SNMP) Cannot create/set variable, Not Writable!",
        "(SNMP) Cannot create variable, Inconsistent Name!",
    });
    return table;
}

KvMessageTable& SnmpV3Messages()
{
    static KvMessageTable table({
        "(SNMPv3) Unsupported Security Model!",
        "(SNMPv3) Message not in Time Window!",
        "(SNMPv3) Received same Message twice!",
        "(SNMPv3) Invalid Message!",
        "(SNMPv3) Invalid EngineID!",
        "(SNMPv3) v3MP not initialized!",
        "(SNMPv3) Parse Error!",
        "(SNMPv3) Received Message with unknown MsgID!",
        "(SNMPv3) Message does not match known message!",
        "(SNMPv3) Community format error!",
        "(SNMPv3) Unknown UserName!",
        "(SNMPv3) Build error!",
        "(SNMPv3) USM: error!",
        "(SNMPv3) Unknown pdu handlers!",
        "(SNMPv3) Unavailable Context!",
        "(SNMPv3) Unknown Context!",
        "(SNMPv3) Report sent!",
    });
    return table;
}

KvMessageTable& UsmMessages()
{
    static KvMessageTable table({
        "(SNMPv3USM) error!",
        "(SNMPv3USM) Configfile write error!",
        "(SNMPv3USM) Unsupported SecurityLevel!",
        "(SNMPv3USM) Unknown SecurityName!",
        "(SNMPv3USM) Encryption error!",
        "(SNMPv3USM) Decryption error!",
        "(SNMPv3USM) Authentication error!",
        "(SNMPv3USM) Authentication failure!",
        "(SNMPv3USM) Parse error!",
        "(SNMPv3USM) Unknown EngineID!",
        "(SNMPv3USM) Message not in TimeWindow!",
        "(SNMPv3USM) Unsupported AuthProtocol!",
        "(SNMPv3USM) Unsupported PrivProtocol!",
        "(SNMPv3USM) Address error!",
    });
    return table;
}

KvMessageTable& SnmpClassMessages()
{
    static KvMessageTable table({
        "(SNMPClass) Operation failed!",
        "(SNMPClass) Resource unavailable!",
        "(SNMPClass) Internal error!",
        "(SNMPClass) Unsupported function!",
        "(SNMPClass) SNMP request timed out!",
        "(SNMPClass) Received SNMP Response!",
        "(SNMPClass) Received SNMP Notification (trap or inform)!",
        "(SNMPClass) Closing session with outstanding requests!",
        "(SNMPClass)Unknown error code!",
        "(SNMPClass) Class not valid!",
        "(SNMPClass) Invalid Pdu!",
        "(SNMPClass) Invalid Target!",
        "(SNMPClass) Invalid (null) Callback Function!",
        "(SNMPClass) Invalid Request Id!",
        "(SNMPClass) Invalid Notification Id!",
        "(SNMPClass) SNMP Operation not supported on specified Target!",
        "(SNMPClass) Invalid Object Identifier!",
        "(SNMPClass) Invalid Address!",
        "(SNMPClass) Agent indicates error in SNMP request!",
        "(SNMP Class) Transport is not supported!",
        "(SNMPClass) Transport is in use!",
        "(SNMPClass) Transport operation failed!",
        "(SNMPClass) Blocked Mode Shutdown!",
    });
    return table;
}

KvMessageTable& LibraryMessages()
{
    static KvMessageTable table({
        "(KvSNMP++) Ok!",
        "(KvSNMP++) Fail to read SNMP variables from file([FILENAME])!",
        "(KvSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
        "(KvSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
        "(KvSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
        "(KvSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
        "(KvSNMP++) Cannot create the global KvSNMP++ session!",
        "(KvSNMP++) Error when loading SNMP engine boots counter!",
        "(KvSNMP++) Error when saving SNMP engine boots counter!",
        "(KvSNMP++) Invalid IP Address or DNS name!",
        "(KvSNMP++) Can't send get-next command for a SNMP variable list with single value!",
        "(KvSNMP++) Bad SNMP syntax!",
        "(KvSNMP++) Null value in the expression!",
        "(KvSNMP++) Bad SNMP syntax in the expression!",
        "(KvSNMP++) Bad key count of SNMP variable list!",
        "(KvSNMP++) Bad item type of SNMP variable list!",
        "(KvSNMP++) Bad item type of associated SNMP variable list!",
        "(KvSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
        "(KvSNMP++) Bad value of the associated SNMP variable's (partial) data!",
        "(KvSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
        "(KvSNMP++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
        "(KvSNMP++) Bad type of the associated visual control!",
        "(KvSNMP++) Count of the associated visual controls is not enough!",
        "(KvSNMP++) No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
        "(KvSNMP++) Count of the value items for the chart's history data is not enough!",
        "(KvSNMP++) Log database is not connected!",
        "(KvSNMP++) Log database field not found!",
        "(KvSNMP++) Bad syntax for the history chart of log!",
        "(KvSNMP++) Unknown error code!",
        "(KvSNMP++) Count of the variables in the agent's response differs from the request!",
    });
    return table;
}

KvMessageTable& RequestLogMessages()
{
    static KvMessageTable table({
        "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
        "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    });
    return table;
}

KvMessageTable& KvCommonMessages()
{
    static KvMessageTable table({
        "Ok!",
        "Bad logic operand!",
        "Bad format specifier of edit's constraint!",
        "Empty value is not allowed!",
        "Please enter a string whose length is less than [MAXLEN]!",
        "Please enter a string whose length is [LEN]!",
        "Please enter a hex string whose length is less than [MAXLEN]!",
        "Please enter a hex string whose length is [LEN]!",
        "Please enter a number between [MIN] and [MAX]!",
        "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
        "Here,the count of the number is less than [MAXCOUNT]!",
        "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
        "Here,the count of the number is equal to [COUNT]!",
        "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
        "Here,each number is between [MIN] and [MAX]!",
        "Out of range at index of array or list!",
        "Destination buffer is undersize!",
        "The source to dncrypt is not encrypted!",
        "Fail to read data from file([FILENAME])!",
        "Fail to write data to file([FILENAME])!",
        "Fail to write value in ini file([FILENAME])!",
        "Fail to read option data from file([FILENAME])!",
    });
    return table;
}

std::span<const KvCodeRange> CodeRanges()
{
    static const KvCodeRange ranges[] = {
        {0, 0, KvCodeSuccess, &LibraryMessages},         // success
        {1400, 1400, KvCodeSuccess, &LibraryMessages},   // USM ok
        {-1401, -1401, KvCodeSuccess, &LibraryMessages}, // message processing ok
        {1, 18, -101, &SnmpMessages},                     // agent error status
        {-1402, -1418, -201, &SnmpV3Messages},            // SNMPv3 message processing
        {1401, 1414, -301, &UsmMessages},                 // user-based security
        {-1, -23, -401, &SnmpClassMessages},              // engine class errors
    };
    return ranges;
}

KvMappedCode MapErrorCode(int raw)
{
    for (const KvCodeRange& r : CodeRanges()) {
        const int step = r.Last >= r.First ? 1 : -1;
        const int lo = std::min(r.First, r.Last);
        const int hi = std::max(r.First, r.Last);
        if (raw < lo || raw > hi)
            continue;
        const int k = (raw - r.First) * step;
        return {r.FirstCode - k, r.Table().Text(k)};
    }
    return {KvLibraryCode(KvUnknownErrorCode), LibraryMessages().Text(KvUnknownErrorCode)};
}

KvSNMPException LibraryError(int row)
{
    if (row < 0 || row >= LibraryMessages().Count())
        row = KvUnknownErrorCode;
    return KvSNMPException(KvLibraryCode(row), LibraryMessages().Text(row));
}

KvSNMPException LibraryError(int row, const std::string& text)
{
    if (row < 0 || row >= LibraryMessages().Count())
        row = KvUnknownErrorCode;
    return KvSNMPException(KvLibraryCode(row), text);
}

KvSNMPException CommonError(int row)
{
    if (row < 0 || row >= KvCommonMessages().Count())
        return LibraryError(KvUnknownErrorCode);
    return KvSNMPException(-row, KvCommonMessages().Text(row));
}

void LoadCatalogue(KvMessageTable& table, const std::string& path)
{
    constexpr std::size_t kPiece = 1023;
    kvtext::LineReader reader(path, false);
    if (!reader.IsOpen())
        return;
    // Messages are collected first so that a table is changed only by a file
    // that has at least one message.
    std::vector<std::string> messages;
    const std::size_t rows = static_cast<std::size_t>(table.Count());
    std::string line;
    bool truncated = false;
    // Keeping one piece per remaining row (and a possible CR) is all a line can contribute.
    while (messages.size() < rows && reader.Next(line, (rows - messages.size()) * kPiece + 1, truncated)) {
        if (!truncated && !line.empty() && line.back() == '\r')
            line.pop_back();
        for (std::size_t at = 0; at < line.size() && messages.size() < rows; at += kPiece) {
            std::string piece = line.substr(at, kPiece);
            // A NUL ends the text, as it would for any C string holder of it.
            if (auto nul = piece.find('\0'); nul != std::string::npos)
                piece.resize(nul);
            if (kvtext::Trim(piece).empty())
                continue;
            messages.push_back(kvtext::Latin1ToUtf8(piece));
        }
    }
    for (std::size_t row = 0; row < messages.size(); ++row)
        table.Replace(static_cast<int>(row), messages[row]);
}

std::span<const KvCatalogueFile> CatalogueFiles()
{
    static const KvCatalogueFile files[] = {
        {"snmpclass.err", &SnmpClassMessages}, {"snmp.err", &SnmpMessages},
        {"snmp.msg", &RequestLogMessages},     {"kvsnmp.err", &LibraryMessages},
        {"snmpv3.err", &SnmpV3Messages},       {"snmpusm.err", &UsmMessages},
        {"common.err", &KvCommonMessages},
    };
    return files;
}

void LoadCatalogues(const std::string& folder)
{
    for (const KvCatalogueFile& c : CatalogueFiles())
        LoadCatalogue(c.Table(), JoinPath(folder, c.File));
}
