// The status lines bindings write after a Get or a Set: a template from the
// request-log message table with "[ERROR]", "[VARLIST]" and "[TIME]" filled in.
#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

#include <string>

// The outcome a Get reports instead of "Ok!" when the agent answered but has
// not one of the scalars asked for.
inline constexpr const char* KvNoObjectsText = "the agent has none of these objects";

// The time as "hh:nn:ss" on the 12-hour clock followed by the locale's AM or PM
// designator ("03:04:05 PM").
QString KvStatusTime(const QTime& time, const QLocale& locale = QLocale());

// Fills a status template.  With an unnamed variable list the " Request:[VARLIST]"
// part (from just after "[ERROR]" through "[VARLIST]") is dropped when "[VARLIST]"
// follows "[ERROR]"; otherwise every "[VARLIST]" becomes the name.
QString KvStatusLine(const std::string& statusTemplate, const std::string& listName,
                     const std::string& message, const QTime& time, const QLocale& locale = QLocale());
