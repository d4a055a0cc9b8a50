// Unified error codes, message tables and the error type every layer raises.
//
// 0 success; -101..-118 agent error status; -201..-217 SNMPv3 message processing;
// -301..-314 user-based security; -401..-423 engine class errors; -500..-528 this
// library; -1..-18 the common utility messages (edit constraints and dialogs).
#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// The one error type of the module: a message text and a unified code.
class KvSNMPException : public std::runtime_error {
public:
    KvSNMPException(int code, const std::string& message)
        : std::runtime_error(message), code_(code) {}
    int Code() const { return code_; }
    std::string Message() const { return what(); }
private:
    int code_;
};

// A replaceable table of message texts, looked up by row.  Lookups outside the
// table give an empty text, never a read outside it.
class KvMessageTable {
public:
    explicit KvMessageTable(std::vector<std::string> builtIn) : texts_(std::move(builtIn)) {}
    int Count() const { return static_cast<int>(texts_.size()); }
    std::string Text(int row) const;
    void Replace(int row, const std::string& text);
private:
    std::vector<std::string> texts_;
};

// The seven process-wide tables, with their built-in texts until a catalogue replaces them.
KvMessageTable& SnmpMessages();        // agent error status, "snmp.err"
KvMessageTable& SnmpV3Messages();      // message processing, "snmpv3.err"
KvMessageTable& UsmMessages();         // user-based security, "snmpusm.err"
KvMessageTable& SnmpClassMessages();   // engine class errors, "snmpclass.err"
KvMessageTable& LibraryMessages();     // this library, "kvsnmp.err"
KvMessageTable& RequestLogMessages();  // status-line templates, "snmp.msg"
KvMessageTable& KvCommonMessages();    // common utility messages, "common.err"

// Library table rows (code = -500 - row) that the layers raise.
enum KvLibraryRow : int {
    KvOk = 0,
    KvCannotCreateSession = 6,
    KvBootsLoadError = 7,
    KvBootsSaveError = 8,
    KvInvalidAddress = 9,
    KvGetNextOnSingleValue = 10,
    KvBadSyntax = 11,
    KvNullInExpression = 12,
    KvBadSyntaxInExpression = 13,
    KvBadKeyCount = 14,
    KvBadItemType = 15,
    KvBadPartialSyntax = 17,
    KvBadPartialValue = 18,
    KvPartialIndexOutOfRange = 19,
    KvNoOptionListForControl = 20,
    KvBadControlType = 21,
    KvNotEnoughControls = 22,
    KvUnknownErrorCode = 28,
    KvResponseMismatch = 29,
};

// The unified code of a library row.
constexpr int KvLibraryCode(int row) { return -500 - row; }

// Common utility message rows (code = -row) that the layers raise or show.
enum KvCommonRow : int {
    KvCommonOk = 0,
    KvBadLogicOperand = 1,
    KvBadConstraintFormat = 2,
    KvEmptyValue = 3,
    KvStringTooLong = 4,
    KvStringWrongLength = 5,
    KvHexTooLong = 6,
    KvHexWrongLength = 7,
    KvNumberOutOfRange = 8,
    KvTooManyListNumbers = 9,
    KvWrongListCount = 10,
    KvListNumberOutOfRange = 11,
    KvIndexOutOfRange = 12,
    KvFileReadFailed = 16,    // "Fail to read data from file"
    KvFileWriteFailed = 17,   // "Fail to write data to file"
};

// Unified codes the layers test for by name.
inline constexpr int KvCodeSuccess = 0;
inline constexpr int KvCodeNoSuchName = -102;   // the agent's noSuchName (raw 2)

struct KvMappedCode {
    int Code;
    std::string Message;
};

// One range of raw codes: the k-th code from First towards Last (both included)
// maps to the unified code FirstCode - k with row k of Table as its message.
struct KvCodeRange {
    int First;
    int Last;
    int FirstCode;
    KvMessageTable& (*Table)();
};
// The ranges MapErrorCode uses; a raw code in none of them is an unknown code.
std::span<const KvCodeRange> CodeRanges();

// Raw engine / agent code -> unified code and its current message.
KvMappedCode MapErrorCode(int raw);

// The error of a library row (code -500 - row) with its current text.
KvSNMPException LibraryError(int row);
// The same code with a text that says more than the row's.
KvSNMPException LibraryError(int row, const std::string& text);
// The error of a common-message row (code -row) with its current text.
KvSNMPException CommonError(int row);

// Replaces a table's texts by the messages of a catalogue file; a missing or
// empty file leaves the table as it is.
//
// Catalogue format: a single-byte (Latin-1) text file; each non-blank line is one
// message, the n-th non-blank line (from 0) replaces row n.  The line break (LF or
// CR LF) is removed, other leading and trailing blanks stay.  Lines are taken in
// pieces of at most 1023 characters, so a longer line gives several messages.
// A file with fewer messages than the table replaces only the first rows (the
// others keep their texts); messages beyond the table's last row are ignored.
// Texts are stored as UTF-8, like every string of the module.
void LoadCatalogue(KvMessageTable& table, const std::string& path);

// Loads the seven catalogues ("snmpclass.err", "snmp.err", "snmp.msg", "kvsnmp.err",
// "snmpv3.err", "snmpusm.err", "common.err") from a folder; missing files are skipped.
void LoadCatalogues(const std::string& folder);
