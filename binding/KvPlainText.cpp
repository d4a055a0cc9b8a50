#include "binding/KvPlainText.h"

#include <QLabel>

QString KvPlainHint(const QString& text)
{
    if (text.isEmpty())
        return text;
    QString shown;
    shown.reserve(text.size());
    for (QChar c : text)
        if (c.category() != QChar::Other_Format)
            shown += c;
    return QStringLiteral("<p style='white-space:pre'>") + shown.toHtmlEscaped() + QStringLiteral("</p>");
}

void KvSetPlainText(QLabel* label, const QString& text)
{
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
}
