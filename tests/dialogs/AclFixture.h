// Shared set-up of the access-control editor tests: a ksw-sim serving small
// profile and rule tables, a SetRecorder in front of it that the module talks
// to, and a presenter that records message boxes instead of showing them.
#pragma once

#include "KswSim.h"
#include "KvUserNotice.h"
#include "SetRecorder.h"

#include "kvsnmp/KvSNMPSession.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QStandardItemModel>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace acltest {

inline const std::string kEthProfile = "1.3.6.1.4.1.97531.12.9.1.1.1";
inline const std::string kIpProfile = "1.3.6.1.4.1.97531.12.9.1.2.1";
inline const std::string kEthRule = "1.3.6.1.4.1.97531.12.9.2.1.1";
inline const std::string kIpRule = "1.3.6.1.4.1.97531.12.9.2.2.1";
inline const std::string kPacketRule = "1.3.6.1.4.1.97531.12.9.2.3.1";

// "<entry>.<column>.<index>"
inline std::string Oid(const std::string& entry, int column, const std::string& index)
{
    return entry + "." + std::to_string(column) + "." + index;
}

// The columns a SET carried for the row `index` of the table, in PDU order.
inline std::vector<int> Columns(const SetRecorder::SetRequest& set, const std::string& entry, const std::string& index)
{
    std::vector<int> out;
    const std::string suffix = "." + index;
    for (const SetRecorder::VarBind& v : set.Bindings) {
        if (v.Oid.rfind(entry + ".", 0) != 0 || v.Oid.size() < suffix.size()
            || v.Oid.compare(v.Oid.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        const std::string column = v.Oid.substr(entry.size() + 1, v.Oid.size() - entry.size() - 1 - suffix.size());
        out.push_back(std::stoi(column));
    }
    return out;
}

struct Column {
    int Number;
    const char* Tag;       // snmprec tag, "4x" for hex octets
    const char* Value;     // of the first row; further rows reuse it
    bool Writable = true;
};

// One table: writable columns, its RowStatus column and a row per index.
inline std::string TableData(const std::string& entry, const std::vector<Column>& columns, int rowStatus,
                             const std::vector<std::string>& indices)
{
    std::string out;
    for (const Column& c : columns)
        if (c.Writable)
            out += "#!writable " + entry + "." + std::to_string(c.Number) + "\n";
    out += "#!rowstatus " + entry + "." + std::to_string(rowStatus) + "\n";
    for (const Column& c : columns)
        for (const std::string& i : indices)
            out += entry + "." + std::to_string(c.Number) + "." + i + "|" + c.Tag + "|" + c.Value + "\n";
    return out;
}

inline std::string AclData()
{
    std::string d;
    d += TableData(kEthProfile,
                   {{2, "2", "1"}, {3, "2", "4"}, {4, "4x", "FFFFFF000000"}, {5, "4x", "FFFFFFFFFFFF"},
                    {6, "2", "2"}, {7, "2", "2"}, {8, "2", "1"}, {9, "2", "1", false}},
                   8, {"1", "2"});
    d += TableData(kIpProfile,
                   {{2, "2", "1"}, {3, "2", "4"}, {4, "64", "255.255.255.0"}, {5, "64", "255.255.0.0"},
                    {6, "2", "2"}, {7, "2", "4"}, {8, "2", "1"}, {9, "2", "1"}, {10, "2", "2"}, {11, "2", "1"},
                    {12, "4x", "FFFF"}, {13, "4x", "FF00"}, {14, "2", "1"}, {15, "2", "63"}, {16, "2", "2"},
                    {17, "2", "6"}, {18, "4x", "000000FF"}, {19, "2", "1"}, {20, "2", "1", false}},
                   19, {"3"});
    d += TableData(kEthRule,
                   {{3, "4", "default"}, {4, "4x", "001122334455"}, {5, "4x", "66778899AABB"}, {6, "2", "3"},
                    {7, "4x", "0800"}, {8, "2", "2"}, {9, "2", "5"}, {10, "2", "2"}, {11, "2", "2"},
                    {12, "2", "10"}, {13, "2", "2"}, {14, "4x", "4000000000000000"}, {15, "2", "1"},
                    {16, "2", "1", false}},
                   15, {"1.2"});
    d += TableData(kIpRule,
                   {{3, "4", "default"}, {4, "64", "10.0.0.1"}, {5, "64", "10.0.0.2"}, {6, "2", "8"},
                    {7, "2", "4", false}, {8, "2", "0"}, {9, "2", "0"}, {10, "2", "80"}, {11, "2", "8080"},
                    {12, "2", "2"}, {13, "2", "6"}, {14, "4x", "0000FFFF"}, {15, "2", "2"}, {16, "2", "3"},
                    {17, "2", "2"}, {18, "2", "2"}, {19, "2", "12"}, {20, "2", "2"},
                    {21, "4x", "0000000000000000"}, {22, "2", "1"}, {23, "2", "1", false}},
                   22, {"3.4"});
    d += TableData(kPacketRule,
                   {{3, "4x", "000000000000000000000000000000FF"}, {4, "4x", ""}, {5, "4x", ""}, {6, "4x", ""},
                    {7, "4x", ""}, {8, "2", "1"}, {9, "2", "4"}, {10, "2", "2"}, {11, "2", "2"}, {12, "2", "0"},
                    {13, "2", "1"}, {14, "4x", "0000000000000000"}, {15, "2", "1"}, {16, "2", "1", false}},
                   15, {"5.6"});
    return d;
}

// Message boxes shown while it lives, as their texts.  A question with Yes
// and No gets Answer, any other box OK.
class MessageLog {
public:
    MessageLog()
        : scope_([this](const KvMessageRequest& r) {
              texts_ << r.Text;
              requests_.push_back(r);
              return r.Buttons.testFlag(QMessageBox::Yes) ? Answer : QMessageBox::Ok;
          })
    {
    }
    const QStringList& Texts() const { return texts_; }
    const std::vector<KvMessageRequest>& Requests() const { return requests_; }
    void Clear()
    {
        texts_.clear();
        requests_.clear();
    }

    QMessageBox::StandardButton Answer = QMessageBox::Yes;

private:
    QStringList texts_;
    std::vector<KvMessageRequest> requests_;
    KvScopedMessagePresenter scope_;
};

// The items a drop-down list offers the user: shown in its pop-up and
// reachable by the keys.
inline QStringList Offered(QComboBox* combo)
{
    QStringList items;
    const auto* view = qobject_cast<QListView*>(combo->view());
    const auto* model = qobject_cast<QStandardItemModel*>(combo->model());
    for (int row = 0; row < combo->count(); ++row) {
        const bool hidden = view && view->isRowHidden(row);
        const bool disabled = model && model->item(row) && !model->item(row)->isEnabled();
        if (!hidden && !disabled)
            items << combo->itemText(row);
    }
    return items;
}

// The question a Delete asks about the row named by rowParts ("ID: 5, ...").
inline QString DeleteQuestionText(const QString& rowParts)
{
    return QStringLiteral("Are you sure to delete ?\n\n") + rowParts;
}

// One agent with the tables for all the tests of a suite, a fresh recorder and
// message log for each test.  The module's defaults point at the recorder.
class AclAgentTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartAgent(AclData()); }
    // Suites over other tables start the agent on their own data.
    static void StartAgent(const std::string& data)
    {
        dir_ = new QTemporaryDir;
        KswSim::Options o;
        o.dataFile = dir_->filePath(QStringLiteral("acl.snmprec"));
        QFile f(o.dataFile);
        if (f.open(QIODevice::WriteOnly))
            f.write(data.data(), static_cast<qint64>(data.size()));
        f.close();
        sim_ = new KswSim(o);
    }
    static void TearDownTestSuite()
    {
        delete sim_;
        sim_ = nullptr;
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(sim_->running()) << sim_->errorText().toStdString();
        // Each test starts from the data as written: a restart drops earlier writes.
        ASSERT_TRUE(sim_->restart());
        recorder_ = std::make_unique<SetRecorder>(sim_->port());
        ASSERT_TRUE(recorder_->running());
        CreateGlobalSession(sim_->tempDir().toStdString());
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = recorder_->port();
        DefaultSecurity.Version = 1;
        DefaultTimeout = 100;
        messages_ = std::make_unique<MessageLog>();
    }
    void TearDown() override
    {
        messages_.reset();
        recorder_.reset();
    }
    std::vector<SetRecorder::SetRequest> Sets() const { return recorder_->Sets(); }

    static inline QTemporaryDir* dir_ = nullptr;
    static inline KswSim* sim_ = nullptr;
    std::unique_ptr<SetRecorder> recorder_;
    std::unique_ptr<MessageLog> messages_;
};

}  // namespace acltest
