#include "SwitchIdentity.h"

#include "binding/KvSNMPRequest2Callback.h"
#include "engine/SnmpEngine.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPVarList.h"
#include "startup/ModuleStartup.h"

#include <QTimer>

#include <exception>

namespace {

constexpr const char* kSysNameOid = "1.3.6.1.2.1.1.5.0";
constexpr const char* kSysObjectIdOid = "1.3.6.1.2.1.1.2.0";
enum IdentityVariable { SysName, SysObjectId };

constexpr std::uint16_t kSnmpPort = 161;
// A title is one line; anyone who can set the agent's name chooses this text.
constexpr qsizetype kMaxNameLength = 64;

QString OneLine(const std::string& text)
{
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    for (QChar& c : s)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
            || c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
    s = s.simplified();
    if (s.size() > kMaxNameLength)
        s = s.left(kMaxNameLength - 1) + QChar(0x2026);
    return s;
}

} // namespace

QString MainWindowTitle(const std::string& address, std::uint16_t port, const std::string& sysName)
{
    QString title = QString::fromStdString(MainCaption(address));
    if (port != kSnmpPort)
        title += QLatin1Char(':') + QString::number(port);
    if (sysName != KvNullText) {
        const QString name = OneLine(sysName);
        if (!name.isEmpty())
            title += QStringLiteral(" (") + name + QLatin1Char(')');
    }
    return title;
}

bool IdentifiesAsKsw(const std::string& sysObjectId)
{
    const std::string_view id = !sysObjectId.empty() && sysObjectId.front() == '.'
        ? std::string_view(sysObjectId).substr(1)
        : std::string_view(sysObjectId);
    return id == KswSysObjectId;
}

TSwitchIdentity::TSwitchIdentity(QWidget* window, int retryMs, Identified identified)
    : window_(window), identified_(std::move(identified)), retry_(std::make_unique<QTimer>())
{
    retry_->setSingleShot(true);
    retry_->setInterval(retryMs);
    QObject::connect(retry_.get(), &QTimer::timeout, [this] { Read(); });
}

TSwitchIdentity::~TSwitchIdentity() = default;

void TSwitchIdentity::Read()
{
    // A binding of its own per read takes the agent's parameters as they are
    // now; the one before has answered.
    binding_ = std::make_unique<KvSNMPRequest2Callback>(
        window_, [this](const KvSNMPError& outcome, const KvSNMPVarList& values) { Answered(outcome, values); });
    KvSNMPVarList& list = binding_->Variables();
    list.ItemType = MVT_SV;
    list.AppendItem(kSysNameOid, "sysName", KvSyntax::DisplayStr, KvAccess::ReadOnly);
    list.AppendItem(kSysObjectIdOid, "sysObjectID", KvSyntax::ObjectId, KvAccess::ReadOnly);
    try {
        binding_->Get();
    } catch (const std::exception&) {
        // The request could not even be sent (an address that does not
        // resolve): the front panel's polls say why; nothing is known.
    }
}

void TSwitchIdentity::Answered(const KvSNMPError& outcome, const KvSNMPVarList& values)
{
    if (outcome.Code == MapErrorCode(engine::kTimeout).Code) {
        retry_->start();
        return;
    }
    if (outcome.Code != 0) {
        identified_(KvNullText, false);
        return;
    }
    identified_(values.ItemAt(SysName).Value, IdentifiesAsKsw(values.ItemAt(SysObjectId).Value));
}
