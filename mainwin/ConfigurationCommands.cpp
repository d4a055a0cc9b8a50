#include "ConfigurationCommands.h"

#include "SnapshotSources.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPSession.h"
#include "kvsnmp/KvSnapshotFile.h"
#include "snapshot/SnapshotReader.h"
#include "startup/ConfigurationOptions.h"
#include "startup/ModuleStartup.h"
#include "startup/ShippedFiles.h"

#include <cstdio>

namespace {

int Fail(int exitCode, const std::string& text)
{
    std::fprintf(stderr, "ksw4800: %s\n", text.c_str());
    return exitCode;
}

// The code's class: the file errors are the common read and write errors.
int ExitCodeOf(const KvSNMPException& e)
{
    return e.Code() == CommonError(KvFileReadFailed).Code() || e.Code() == CommonError(KvFileWriteFailed).Code()
        ? ConfigurationFileError
        : ConfigurationAgentError;
}

// The module's start-up as far as talking to the agent needs: the session, the
// message texts, the command line and the agent's configuration file.
void StartSession(const std::vector<std::string>& args)
{
    CreateGlobalSession("");
    LocalConfigMode = ExeFolderName() == LocalConfigFolderName;
    LoadCatalogues(ShippedFilePath("errMSg"));
    DefaultTimeout = KvModuleTimeout;
    ParseCommandLine(args);
    FillConnectionTexts();
    LoadModuleConfiguration(MainTexts.AgentIP);
}

int PrintComparison(const KvSnapshot& left, const KvSnapshot& right, const std::string& leftName,
                    const std::string& rightName)
{
    const auto differences = CompareSnapshots(ModuleSnapshotModel(), left, right);
    std::fputs(DifferenceText(differences, leftName, rightName).c_str(), stdout);
    return differences.empty() ? ConfigurationSame : ConfigurationDifferent;
}

} // namespace

std::string SnapshotModuleText()
{
    std::string v = VersionText();
    while (!v.empty() && (v.back() == '\n' || v.back() == '\r'))
        v.pop_back();
    return v;
}

int RunConfigurationCommand(std::vector<std::string> args)
{
    ConfigurationRequest request;
    try {
        request = TakeConfigurationOptions(args);
    } catch (const KvSNMPException& e) {
        return Fail(ConfigurationUsageError, e.Message());
    }
    try {
        if (request.CompareFiles.size() == 2) {
            const KvSnapshot left = KvReadSnapshotFile(request.CompareFiles[0]);
            const KvSnapshot right = KvReadSnapshotFile(request.CompareFiles[1]);
            return PrintComparison(left, right, request.CompareFiles[0], request.CompareFiles[1]);
        }
        // A refused file ends the run before the agent is asked anything.
        KvSnapshot saved;
        if (!request.CompareFiles.empty())
            saved = KvReadSnapshotFile(request.CompareFiles[0]);
        StartSession(args);
        const bool secrets = request.WithSecrets || (!request.CompareFiles.empty() && saved.Header.Secrets);
        const KvSnapshot now = ReadSnapshot(ModuleSnapshotModel(), secrets, SnapshotModuleText());
        if (!request.SnapshotFile.empty()) {
            KvWriteSnapshotFile(now, request.SnapshotFile);
            return ConfigurationSame;
        }
        return PrintComparison(saved, now, request.CompareFiles[0], "the switch");
    } catch (const KvSNMPException& e) {
        return Fail(ExitCodeOf(e), e.Message());
    } catch (const std::exception& e) {
        return Fail(ConfigurationAgentError, e.what());
    }
}
