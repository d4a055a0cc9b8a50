// What the agent says it is: its name for the main window's title, and whether
// its sysObjectID is the KSW-4800's.  An agent of another kind answers few of
// the module's objects, and the user should learn that once, not view by view.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class KvSNMPRequest2Callback;
struct KvSNMPError;
class KvSNMPVarList;
class QTimer;
class QWidget;

// The sysObjectID a KSW-4800 agent gives.
inline constexpr const char* KswSysObjectId = "1.3.6.1.4.1.97531.10.48";
inline constexpr const char* NotKswWarningText = "this agent does not identify as a KSW-4800: views may be empty";

// The main window's title: the designed caption and the agent's address, then
// the port when it is not SNMP's own 161, then the agent's name when it gave
// one ("KSW-4800 : 10.0.0.9:1161 (core-1)").  The name is the agent's text:
// shown on one line and cut when long.
QString MainWindowTitle(const std::string& address, std::uint16_t port, const std::string& sysName);

// Whether an answered sysObjectID is the KSW-4800's ("(NULL)": the agent has none).
bool IdentifiesAsKsw(const std::string& sysObjectId);

// Reads sysName and sysObjectID once, without blocking the window.  An agent
// that does not answer is asked again after retryMs (it may be booting); an
// agent that answers with an error, or without sysObjectID, does not identify.
class TSwitchIdentity {
public:
    using Identified = std::function<void(const std::string& sysName, bool isKsw)>;

    TSwitchIdentity(QWidget* window, int retryMs, Identified identified);
    ~TSwitchIdentity();
    TSwitchIdentity(const TSwitchIdentity&) = delete;
    TSwitchIdentity& operator=(const TSwitchIdentity&) = delete;

    void Read();

private:
    void Answered(const KvSNMPError& outcome, const KvSNMPVarList& values);

    QWidget* window_;
    Identified identified_;
    std::unique_ptr<KvSNMPRequest2Callback> binding_;
    std::unique_ptr<QTimer> retry_;
};
