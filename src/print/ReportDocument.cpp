#include "ReportDocument.h"

#include "Recordset.h"

#include <algorithm>

const QString ReportDocument::NoDataMessage = QStringLiteral("该报表还没有数据，请先生成报表");

ReportDocument::ReportDocument(ReportLayout layout) : layout_(std::move(layout)) {}

bool ReportDocument::SetText(const QString& objectName, const QString& text)
{
    if (!layout_.HasTextObject(objectName))
        return false;
    texts_.insert(objectName, text);
    return true;
}

QString ReportDocument::Text(const QString& objectName) const
{
    const auto it = texts_.constFind(objectName);
    return it != texts_.cend() ? *it : layout_.StoredText(objectName);
}

void ReportDocument::SetDataSource(Recordset& rows)
{
    const auto& columns = layout_.Columns();
    QVector<int> fieldOf;
    for (const auto& c : columns)
        fieldOf.append(rows.IndexOf(c.Field));
    rows_.clear();
    rows_.reserve(rows.RecordCount());
    for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
        const Recordset::Row record = rows.CurrentRow();
        QStringList line;
        for (int f : fieldOf)
            line << (f >= 0 ? record[f].toString() : QString());
        rows_.append(line);
    }
    CountDecimals();
}

void ReportDocument::SetRows(QVector<QStringList> rows)
{
    rows_ = std::move(rows);
    CountDecimals();
}

QVector<int> ReportDocument::VisibleColumns() const
{
    QVector<int> visible;
    for (int c = 0; c < layout_.Columns().size(); ++c) {
        bool shown = !HeadingText(c).trimmed().isEmpty();
        for (qsizetype r = 0; !shown && r < rows_.size(); ++r)
            shown = c < rows_[r].size() && !rows_[r][c].trimmed().isEmpty();
        if (shown)
            visible.append(c);
    }
    return visible;
}

QString ReportDocument::HeadingText(int column) const
{
    const QString& object = layout_.Columns().at(column).Heading;
    return object.isEmpty() ? QString() : Text(object);
}

QString ReportDocument::GroupText(int column) const
{
    const QString& object = layout_.Columns().at(column).Group;
    return object.isEmpty() ? QString() : Text(object);
}

QString ReportDocument::CellText(int row, int column) const
{
    const QStringList& line = rows_.at(row);
    const QString value = column < line.size() ? line[column] : QString();
    if (IsNumber(value))
        return value.trimmed();
    // Leading blanks indent a label (the sub-rows of table 2-1-1); they stay.
    qsizetype end = value.size();
    while (end > 0 && value[end - 1].isSpace())
        --end;
    return value.left(end);
}

void ReportDocument::CountDecimals()
{
    const int columns = static_cast<int>(layout_.Columns().size());
    decimals_.fill(0, columns);
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows_.size() && decimals_[c] < MaxDecimals; ++r) {
            const QString text = CellText(r, c);
            if (!IsNumber(text))
                continue;
            const qsizetype exponent = text.indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive);
            if (exponent >= 0) {
                // 1.5E-06 is a tiny figure: it takes all the decimals a column prints.
                decimals_[c] = MaxDecimals;
                continue;
            }
            const qsizetype point = text.indexOf(QLatin1Char('.'));
            if (point >= 0)
                decimals_[c] = std::max(decimals_[c], static_cast<int>(text.size() - point - 1));
        }
    for (int& d : decimals_)
        d = std::min(d, MaxDecimals);
}

int ReportDocument::Decimals(int column) const
{
    return column >= 0 && column < decimals_.size() ? decimals_[column] : 0;
}

void ReportDocument::SetShownText(int row, int column, const QString& text)
{
    shown_.insert({row, column}, text);
}

ReportDocument::Cell ReportDocument::At(int row, int column) const
{
    if (const auto it = shown_.constFind({row, column}); it != shown_.cend())
        return {*it, false, 0};
    const QString text = CellText(row, column);
    if (!IsNumber(text))
        return {text, false, 0};
    const double value = text.toDouble();
    QString printed = QString::number(value, 'f', Decimals(column));
    // A figure that rounds to nothing has no sign.
    if (printed.startsWith(QLatin1Char('-')) && printed.mid(1).toDouble() == 0)
        printed.remove(0, 1);
    return {printed, true, value};
}

bool ReportDocument::IsNumber(const QString& text)
{
    // The writers' number form, exponent included ("1.5E-06"), blanks around allowed. Read by
    // hand: every cell of every output passes here, often several times.
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
        return i - from;
    };
    while (i < n && text[i].isSpace())
        ++i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype mantissa = digits();
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            ++i;
        if (digits() == 0)
            return false;
    }
    while (i < n && text[i].isSpace())
        ++i;
    return i == n;
}
