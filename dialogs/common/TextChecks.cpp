#include "dialogs/common/TextChecks.h"

#include "binding/KvUserNotice.h"

#include <QWidget>

namespace {

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The value of a group of digits, held at 256 once it is out of range so that
// a long group cannot overflow.
int groupValue(const QString& digits)
{
    int v = 0;
    for (QChar c : digits) {
        v = v * 10 + (c.unicode() - '0');
        if (v > 255)
            return 256;
    }
    return v;
}

constexpr int kLongestAddress = 15;   // "255.255.255.255"

}  // namespace

HexTextFault CheckHexDigits(const QString& text, int digits)
{
    int i = 0;
    for (; i < digits && i < text.size(); ++i)
        if (!isHexDigit(text[i]))
            return HexTextFault::BadCharacter;
    return i == digits && text.size() == digits ? HexTextFault::None : HexTextFault::BadLength;
}

bool IsDottedIPv4(const QString& text)
{
    if (text.isEmpty() || text.size() > kLongestAddress)
        return false;
    QString group;
    int dots = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            group += c;
            continue;
        }
        if (c != QLatin1Char('.'))
            return false;
        if (i == 0 || i + 1 >= text.size() || !isDigit(text[i + 1]) || group.size() > 3)
            return false;
        const int v = groupValue(group);
        if (v > 255 || (v == 0 && group.contains(QLatin1String("00"))))
            return false;
        ++dots;
        group.clear();
    }
    const int last = groupValue(group);
    if (last == 0 && group.contains(QLatin1String("00")))
        return false;
    return last <= 255 && dots == 3;
}

void FocusIfPossible(QWidget* control)
{
    if (control && control->isEnabled() && control->isVisible())
        control->setFocus();
}

void RefuseInput(QWidget* owner, const QString& message, QWidget* control)
{
    KvShowAppMessage(owner, message);
    FocusIfPossible(control);
}

bool CheckHexText(QWidget* owner, const QString& text, int digits, const QString& badCharacterMessage,
                  const QString& badLengthMessage, QWidget* control)
{
    switch (CheckHexDigits(text, digits)) {
    case HexTextFault::None:
        return true;
    case HexTextFault::BadCharacter:
        RefuseInput(owner, badCharacterMessage, control);
        return false;
    case HexTextFault::BadLength:
        break;
    }
    RefuseInput(owner, badLengthMessage, control);
    return false;
}

bool CheckIPv4Text(QWidget* owner, const QString& text, const QString& message, QWidget* control)
{
    if (IsDottedIPv4(text))
        return true;
    RefuseInput(owner, message, control);
    return false;
}

int TypedNumber(const QString& text)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok ? v : -1;
}
