#include "TableExport.h"

#include <QProgressDialog>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <numeric>

namespace {

QString CellForCopy(QString text)
{
    for (QChar& ch : text)
        if (ch == QLatin1Char('\t') || ch == QLatin1Char('\n') || ch == QLatin1Char('\r'))
            ch = QLatin1Char(' ');
    return text;
}

} // namespace

TTableText TableRows(const QTreeWidget& list, const std::vector<int>& rows)
{
    TTableText table;
    const int columns = list.columnCount();
    if (const QTreeWidgetItem* header = list.headerItem())
        for (int c = 0; c < columns; ++c)
            table.Header << header->text(c);
    table.Rows.reserve(static_cast<qsizetype>(rows.size()));
    for (int r : rows) {
        const QTreeWidgetItem* item = list.topLevelItem(r);
        if (!item)
            continue;
        QStringList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row << item->text(c);
        table.Rows << row;
    }
    return table;
}

TTableText TableRows(const QTreeWidget& list)
{
    std::vector<int> rows(static_cast<std::size_t>(list.topLevelItemCount()));
    std::iota(rows.begin(), rows.end(), 0);
    return TableRows(list, rows);
}

QString TableCopyText(const TTableText& table)
{
    QString text;
    const auto line = [&text](const QStringList& cells) {
        for (qsizetype c = 0; c < cells.size(); ++c) {
            if (c > 0)
                text += QLatin1Char('\t');
            text += CellForCopy(cells[c]);
        }
        text += QLatin1Char('\n');
    };
    line(table.Header);
    for (const QStringList& row : table.Rows)
        line(row);
    return text;
}

QByteArray CsvRecord(const QStringList& fields)
{
    QByteArray record;
    for (qsizetype c = 0; c < fields.size(); ++c) {
        if (c > 0)
            record += ',';
        const QByteArray field = fields[c].toUtf8();
        if (field.contains(',') || field.contains('"') || field.contains('\r') || field.contains('\n')) {
            record += '"';
            for (char ch : field) {
                if (ch == '"')
                    record += '"';
                record += ch;
            }
            record += '"';
        } else {
            record += field;
        }
    }
    record += "\r\n";
    return record;
}

TTableExport::TTableExport(TTableText table, const QString& path, QObject* parent)
    : QObject(parent), table_(std::move(table)), file_(path)
{
}

TTableExport::~TTableExport()
{
    // An export dropped unfinished leaves no file behind.
    if (!done_)
        file_.cancelWriting();
    delete progress_;
}

void TTableExport::Start(QWidget* progressOwner)
{
    progress_ = new QProgressDialog(QStringLiteral("Exporting %1 rows…").arg(table_.Rows.size()),
                                    QStringLiteral("Cancel"), 0, static_cast<int>(table_.Rows.size()), progressOwner);
    progress_->setWindowTitle(QStringLiteral("Export"));
    progress_->setMinimumDuration(ProgressAfterMs);
    progress_->setValue(0);
    connect(progress_, &QProgressDialog::canceled, this, &TTableExport::Cancel);
    QTimer::singleShot(0, this, &TTableExport::WriteSlice);
}

void TTableExport::Cancel()
{
    if (done_)
        return;
    file_.cancelWriting();
    Finish(false, QString());
}

void TTableExport::WriteSlice()
{
    if (done_)
        return;
    if (!file_.isOpen() && (!file_.open(QIODevice::WriteOnly) || file_.write(CsvRecord(table_.Header)) < 0)) {
        const QString error = file_.errorString();
        file_.cancelWriting();
        Finish(false, error);
        return;
    }
    const qsizetype end = std::min(next_ + RowsPerSlice, table_.Rows.size());
    QByteArray slice;
    for (; next_ < end; ++next_)
        slice += CsvRecord(table_.Rows[next_]);
    if (file_.write(slice) < 0) {
        const QString error = file_.errorString();
        file_.cancelWriting();
        Finish(false, error);
        return;
    }
    Q_EMIT Written(next_);
    if (done_)
        return;   // cancelled meanwhile
    if (next_ < table_.Rows.size()) {
        progress_->setValue(static_cast<int>(next_));
        QTimer::singleShot(0, this, &TTableExport::WriteSlice);
        return;
    }
    if (!file_.commit()) {
        Finish(false, file_.errorString());
        return;
    }
    Finish(true, QString());
}

void TTableExport::Finish(bool ok, const QString& error)
{
    done_ = true;
    if (progress_) {
        // Cut off first: a progress dialog going away may still say canceled.
        progress_->disconnect(this);
        progress_->deleteLater();
        progress_ = nullptr;
    }
    Q_EMIT Finished(ok, error);
}
