#include "KvStatusLine.h"

#include "kvsnmp/KvTextUtil.h"

QString KvStatusTime(const QTime& time, const QLocale& locale)
{
    int hour = time.hour() % 12;
    if (hour == 0)
        hour = 12;
    const QString designator = time.hour() < 12 ? locale.amText() : locale.pmText();
    return QStringLiteral("%1:%2:%3 %4")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'))
        .arg(designator);
}

QString KvStatusLine(const std::string& statusTemplate, const std::string& listName,
                     const std::string& message, const QTime& time, const QLocale& locale)
{
    static const std::string kError = "[ERROR]";
    static const std::string kVarList = "[VARLIST]";
    std::string text = statusTemplate;
    const std::size_t error = text.find(kError);
    const std::size_t varList = text.find(kVarList);
    if (listName.empty() && error != std::string::npos && varList != std::string::npos
        && varList >= error + kError.size()) {
        const std::size_t from = error + kError.size();
        text.erase(from, varList + kVarList.size() - from);
    } else {
        text = ReplaceAll(text, kVarList, listName);
    }
    // The time goes in before the message, so that a message holding a bracketed
    // word is shown as it is.
    text = ReplaceAll(text, "[TIME]", KvStatusTime(time, locale).toStdString());
    text = ReplaceAll(text, kError, message);
    return QString::fromStdString(text);
}
