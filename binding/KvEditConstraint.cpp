#include "KvEditConstraint.h"

#include "KvUserNotice.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

// ---------------------------------------------------------------------------
// Specifier grammar

namespace {

// Shown as 1.79769313486232E308 in 15 digits.
constexpr double kFloatMax = std::numeric_limits<double>::max();

bool IsKind(char c)
{
    return c == 'f' || c == 'h' || c == 'i' || c == 's' || c == 'u' || c == 'n';
}

void SetDefaults(KvConstraintSpec& s)
{
    switch (s.Kind) {
    case 'f': s.Minimum = -kFloatMax; s.Maximum = kFloatMax; break;
    case 'i': s.Minimum = -2147483648.0; s.Maximum = 2147483647.0; break;
    case 'u':
    case 'n': s.Minimum = 0; s.Maximum = 4294967295.0; break;
    default: s.Minimum = 0; s.Maximum = 0; break;
    }
}

// The longest run of characters from `allowed` starting at `at`, bounded by `end`.
std::string_view RunOf(std::string_view text, std::size_t at, std::size_t end, std::string_view allowed)
{
    std::size_t n = at;
    while (n < end && allowed.find(text[n]) != std::string_view::npos)
        ++n;
    return text.substr(at, n - at);
}

// The whole run must be one number; "-", "." or "1-2" are not.  The decimal
// point is '.', whatever the user's locale says.
bool ToDouble(std::string_view run, double& out)
{
    const char* first = run.data();
    const char* last = run.data() + run.size();
    auto [p, ec] = std::from_chars(first, last, out, std::chars_format::fixed);
    return ec == std::errc() && p == last;
}

bool ToInt(std::string_view run, std::int32_t& out)
{
    const char* last = run.data() + run.size();
    auto [p, ec] = std::from_chars(run.data(), last, out);
    return ec == std::errc() && p == last;
}

} // namespace

std::optional<KvConstraintSpec> ParseConstraintSpec(std::string_view s)
{
    if (s.size() <= 1 || s[0] != '%' || !IsKind(s[1]))
        return std::nullopt;
    KvConstraintSpec spec;
    spec.Kind = s[1];
    SetDefaults(spec);

    std::size_t pos = 2;
    if (spec.Kind == 'n') {
        if (s.size() < 3)
            return std::nullopt;
        spec.Delimiter = s[2];
        pos = 3;
    }
    if (s.size() == pos)
        return spec;
    if (s[pos] != '{' || s.back() != '}' || s.size() - 1 == pos)
        return std::nullopt;

    const std::size_t end = s.size() - 1;  // the closing brace
    std::size_t i = pos + 1;
    while (i < end) {
        const char option = s[i++];
        switch (option) {
        case 'n':
        case 'x': {
            const std::string_view run = RunOf(s, i, end, "-0123456789.");
            double v = 0;
            if (run.empty() || !ToDouble(run, v))
                return std::nullopt;
            (option == 'n' ? spec.Minimum : spec.Maximum) = v;
            i += run.size();
            break;
        }
        case 'l': {
            const std::string_view run = RunOf(s, i, end, "0123456789");
            if (run.empty() || !ToInt(run, spec.LengthLimit))
                return std::nullopt;
            i += run.size();
            // Flag letters; the first other letter is the next option.
            for (; i < end; ++i) {
                if (s[i] == 'a')
                    spec.Flags |= KvConstraintSpec::AutoAdvance;
                else if (s[i] == 'f')
                    spec.Flags |= KvConstraintSpec::Exact;
                else if (s[i] == 'n')
                    spec.Flags |= KvConstraintSpec::Required;
                else
                    break;
            }
            break;
        }
        case 'w': {
            const std::string_view run = RunOf(s, i, end, "0123456789");
            std::int32_t w = 0;
            if (run.empty() || !ToInt(run, w))
                return std::nullopt;
            spec.Width = w;
            i += run.size();
            break;
        }
        case 'e':
            if (i >= end)
                return std::nullopt;
            spec.ExitChar = s[i++];
            break;
        default:
            return std::nullopt;
        }
    }
    return spec;
}

std::vector<std::string> SplitGroupSpec(std::string_view group)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t i = 1; i <= group.size(); ++i) {
        if (i == group.size() || group[i] == '%') {
            pieces.emplace_back(group.substr(start, i - start));
            start = i;
        }
    }
    return pieces;
}

// ---------------------------------------------------------------------------
// Value rules

namespace {

bool IsPlaceholder(const QString& text)
{
    return text == QLatin1String("(NOTDONE)") || text == QLatin1String("(NULL)");
}

// The text without the characters the kind does not let the user type.  Each
// character is judged against the kept characters before it, exactly as if the
// refused ones were taken out one at a time from the left.
QString Cleaned(const KvConstraintSpec& spec, const QString& text, qsizetype cursor, qsizetype& newCursor,
                QString& refused)
{
    QString kept;
    kept.reserve(text.size());
    bool sawPoint = false;
    newCursor = cursor;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        const bool first = kept.isEmpty();
        bool ok = false;
        switch (spec.Kind) {
        case 'f':
            if (c == QLatin1Char('.') && !sawPoint)
                ok = sawPoint = true;
            else
                ok = digit || (c == QLatin1Char('-') && first);
            break;
        case 'i': ok = digit || (c == QLatin1Char('-') && first); break;
        case 'u': ok = digit; break;
        case 'h':
            ok = digit || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
                 || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
            break;
        case 'n':
            ok = digit || (c == QLatin1Char(spec.Delimiter) && !first && kept.back() != QLatin1Char(spec.Delimiter));
            break;
        default: ok = true; break;
        }
        if (ok)
            kept += c;
        else if (i < cursor)
            --newCursor;
        if (!ok && !refused.contains(c))
            refused += c;
    }
    return kept;
}

// Why a keystroke was dropped: the characters refused and what the edit takes.
// A beep alone is easily missed, and "1,5" becoming 15 under the user's eyes
// would then go unnoticed.
QString RefusalHint(const KvConstraintSpec& spec, const QString& refused)
{
    constexpr qsizetype kNamed = 5;
    QStringList named;
    for (qsizetype i = 0; i < refused.size() && i < kNamed; ++i)
        named << (refused[i] == QLatin1Char(' ') ? QStringLiteral("blank") : QStringLiteral("'%1'").arg(refused[i]));
    if (refused.size() > kNamed)
        named << QStringLiteral("...");
    QString takes;
    switch (spec.Kind) {
    case 'f': takes = QStringLiteral("a number (digits, one '.', '-' first)"); break;
    case 'i': takes = QStringLiteral("a whole number (digits, '-' first)"); break;
    case 'u': takes = QStringLiteral("digits only"); break;
    case 'h': takes = QStringLiteral("hex digits only (0-9, A-F)"); break;
    case 'n': takes = QStringLiteral("numbers separated by '%1'").arg(QLatin1Char(spec.Delimiter)); break;
    default: break;
    }
    return QStringLiteral("%1 refused: this field takes %2").arg(named.join(QStringLiteral(", ")), takes);
}

// The characters a user may type in.  A count limit of a number list bounds the
// numbers, so it allows for the widest numbers the bounds let through.
int CharacterLimit(const KvConstraintSpec& spec)
{
    if (spec.LengthLimit <= 0)
        return 0;
    if (spec.Kind != 'n')
        return spec.LengthLimit;
    const qint64 widest = 10;  // digits of 4294967295
    const qint64 chars = spec.LengthLimit * (widest + 1) - 1;
    return static_cast<int>(std::min<qint64>(chars, std::numeric_limits<int>::max()));
}

// The number that the text begins with; nothing when it does not begin with one.
std::optional<double> LeadingNumber(const QString& text)
{
    const std::string s = text.toStdString();
    double v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::fixed);
    if (p == s.data())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range)
        return s[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    return v;
}

// One piece of a number list: its leading digits, saturated above the 32-bit
// range so that no number wraps round into the bounds.
quint64 ListNumber(const QString& piece)
{
    quint64 v = 0;
    for (QChar c : piece) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        v = std::min<quint64>(v * 10 + static_cast<quint64>(c.unicode() - '0'), 0x100000000ull);
    }
    return v;
}

quint32 ListBound(double v)
{
    if (!(v > 0))
        return 0;
    if (v >= 4294967295.0)
        return 0xFFFFFFFFu;
    return static_cast<quint32>(v);
}

QString Message(KvCommonRow row, std::initializer_list<std::pair<const char*, QString>> values)
{
    QString text = QString::fromStdString(KvCommonMessages().Text(row));
    for (const auto& [name, value] : values)
        text.replace(QLatin1String(name), value);
    return text;
}

QString Bound(double v)
{
    return QString::number(v, 'g', 15);
}

// The message of a refused value, or nothing when the value is acceptable.
std::optional<QString> Violation(const KvConstraintSpec& spec, const QString& text)
{
    switch (spec.Kind) {
    case 'f':
    case 'i':
    case 'u': {
        const std::optional<double> v = LeadingNumber(text);
        if (!v || *v < spec.Minimum || *v > spec.Maximum)
            return Message(KvNumberOutOfRange, {{"[MIN]", Bound(spec.Minimum)}, {"[MAX]", Bound(spec.Maximum)}});
        return std::nullopt;
    }
    case 's':
    case 'h': {
        if (spec.LengthLimit <= 0)
            return std::nullopt;
        const qsizetype len = text.size();
        const QString limit = QString::number(spec.LengthLimit);
        if (spec.Has(KvConstraintSpec::Exact)) {
            if (len != spec.LengthLimit)
                return Message(spec.Kind == 's' ? KvStringWrongLength : KvHexWrongLength, {{"[LEN]", limit}});
        } else if (len > spec.LengthLimit) {
            return Message(spec.Kind == 's' ? KvStringTooLong : KvHexTooLong, {{"[MAXLEN]", limit}});
        }
        return std::nullopt;
    }
    case 'n': {
        const QString delimiter(QLatin1Char(spec.Delimiter));
        const QStringList pieces = text.split(delimiter);
        const qsizetype count = pieces.size();
        if (spec.LengthLimit > 0) {
            const QString limit = QString::number(spec.LengthLimit);
            if (spec.Has(KvConstraintSpec::Exact) && count != spec.LengthLimit)
                return Message(KvWrongListCount, {{"[DELIMITER]", delimiter}, {"[COUNT]", limit}});
            if (!spec.Has(KvConstraintSpec::Exact) && count > spec.LengthLimit)
                return Message(KvTooManyListNumbers, {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", limit}});
        }
        const quint32 lo = ListBound(spec.Minimum);
        const quint32 hi = ListBound(spec.Maximum);
        for (const QString& piece : pieces) {
            const quint64 v = ListNumber(piece);
            if (v < lo || v > hi)
                return Message(KvListNumberOutOfRange, {{"[DELIMITER]", delimiter}, {"[MIN]", QString::number(lo)},
                                                        {"[MAX]", QString::number(hi)}});
        }
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

// Tab order moves are protected in QWidget; reach them the way the Tab key does.
struct FocusMover : QWidget {
    static void Next(QWidget* window)
    {
        (window->*(&FocusMover::focusNextPrevChild))(true);
    }
};

} // namespace

// ---------------------------------------------------------------------------
// KvEditConstraint

struct KvEditConstraint::Item {
    QLineEdit* Edit;
    KvConstraintSpec Spec;
    QString LastAccepted;
    // The text the filter last looked at: a change signal that arrives after the
    // filter already saw its text (our own nested changes) is not a change.
    QString LastSeen;
};

KvEditConstraint::KvEditConstraint(QWidget* ownerForm, bool rememberAccepted, QObject* parent)
    : QObject(parent), owner_(ownerForm), remember_(rememberAccepted)
{
}

KvEditConstraint::~KvEditConstraint()
{
    while (!hooked_.empty()) {
        Hooked h = hooked_.back();
        hooked_.pop_back();
        for (const QMetaObject::Connection& c : h.Connections)
            disconnect(c);
        h.Edit->removeEventFilter(this);
    }
}

void KvEditConstraint::Attach(const QString& specText, QLineEdit* edit)
{
    const std::optional<KvConstraintSpec> spec = ParseConstraintSpec(specText.toStdString());
    if (!spec)
        throw CommonError(KvBadConstraintFormat);
    if (!edit)
        return;
    auto item = std::make_unique<Item>();
    item->Edit = edit;
    item->Spec = *spec;
    item->LastSeen = edit->text();
    items_.push_back(std::move(item));
    Hook(edit);
    if (spec->Width > 0)
        edit->resize(spec->Width, edit->height());
}

void KvEditConstraint::AttachGroup(const QString& groupSpec, const QList<QLineEdit*>& edits)
{
    const std::vector<std::string> pieces = SplitGroupSpec(groupSpec.toStdString());
    const std::size_t n = std::min(pieces.size(), static_cast<std::size_t>(edits.size()));
    for (std::size_t k = 0; k < n; ++k)
        Attach(QString::fromStdString(pieces[k]), edits[static_cast<qsizetype>(k)]);
}

void KvEditConstraint::Detach(QLineEdit* edit)
{
    auto it = std::find_if(items_.begin(), items_.end(), [edit](const auto& i) { return i->Edit == edit; });
    if (it == items_.end())
        return;
    items_.erase(it);
    if (!FirstItem(edit))
        Unhook(edit);
}

bool KvEditConstraint::IsAttached(const QLineEdit* edit) const
{
    return FirstItem(edit) != nullptr;
}

std::optional<KvConstraintSpec> KvEditConstraint::SpecOf(const QLineEdit* edit) const
{
    const Item* it = FirstItem(edit);
    return it ? std::optional<KvConstraintSpec>(it->Spec) : std::nullopt;
}

QString KvEditConstraint::LastAccepted(const QLineEdit* edit) const
{
    const Item* it = FirstItem(edit);
    return it ? it->LastAccepted : QString();
}

void KvEditConstraint::Veto(QLineEdit* edit)
{
    if (edit && edit == reporting_)
        vetoed_ = true;
}

KvEditConstraint::Item* KvEditConstraint::FirstItem(const QLineEdit* edit) const
{
    for (const auto& i : items_)
        if (i->Edit == edit)
            return i.get();
    return nullptr;
}

void KvEditConstraint::Hook(QLineEdit* edit)
{
    for (const Hooked& h : hooked_)
        if (h.Edit == edit)
            return;
    Hooked h{edit, {}};
    h.Connections << connect(edit, &QLineEdit::textChanged, this, [this, edit] { Filter(edit); });
    h.Connections << connect(edit, &QLineEdit::textEdited, this, [this, edit] { OnUserEdit(edit); });
    // The edits belong to their panels and may go before the constraint does.
    h.Connections << connect(edit, &QObject::destroyed, this, [this](QObject* gone) { RemoveItemsOf(gone); });
    edit->installEventFilter(this);
    hooked_.push_back(h);
}

void KvEditConstraint::Unhook(QLineEdit* edit)
{
    auto it = std::find_if(hooked_.begin(), hooked_.end(), [edit](const Hooked& h) { return h.Edit == edit; });
    if (it == hooked_.end())
        return;
    for (const QMetaObject::Connection& c : it->Connections)
        disconnect(c);
    hooked_.erase(it);
    edit->removeEventFilter(this);
}

void KvEditConstraint::RemoveItemsOf(QObject* edit)
{
    std::erase_if(items_, [edit](const auto& i) { return i->Edit == edit; });
    std::erase_if(hooked_, [edit](const Hooked& h) { return h.Edit == edit; });
    if (settingText_ == edit)
        settingText_ = nullptr;
    if (restoring_ == edit)
        restoring_ = nullptr;
    if (checking_ == edit)
        checking_ = nullptr;
    if (reporting_ == edit)
        reporting_ = nullptr;
}

// The maximum input length binds what the user types or pastes, never what the
// program puts into the edit: a value read from the agent or a placeholder such
// as "(NOTDONE)" is shown whole.  Hence no QLineEdit::setMaxLength, which would
// cut those too.
void KvEditConstraint::OnUserEdit(QLineEdit* edit)
{
    const Item* it = FirstItem(edit);
    if (!it)
        return;
    const int limit = CharacterLimit(it->Spec);
    QString text = edit->text();
    if (limit <= 0 || text.size() <= limit)
        return;
    // What was just typed or pasted ends at the cursor; its overflow goes.
    const qsizetype excess = text.size() - limit;
    const qsizetype at = std::max<qsizetype>(0, edit->cursorPosition() - excess);
    text.remove(at, excess);
    edit->setText(text);
    edit->setCursorPosition(static_cast<int>(at));
}

void KvEditConstraint::SetTextQuietly(QLineEdit* edit, const QString& text, int cursor)
{
    QLineEdit* const saved = settingText_;
    settingText_ = edit;
    edit->setText(text);
    edit->setCursorPosition(cursor);
    settingText_ = saved;
}

void KvEditConstraint::Filter(QLineEdit* edit)
{
    if (settingText_ == edit)
        return;
    // A pass that takes characters out changes the text again; that change is
    // handled by the next turn of this loop rather than by a nested call.
    for (;;) {
        Item* it = FirstItem(edit);
        if (!it)
            return;
        QString text = edit->text();
        if (text == it->LastSeen)
            return;
        it->LastSeen = text;
        if (text.isEmpty() || IsPlaceholder(text))
            return;
        const KvConstraintSpec spec = it->Spec;

        if (spec.ExitChar != 0) {
            const qsizetype at = text.indexOf(QLatin1Char(spec.ExitChar));
            if (at >= 0) {
                text.remove(at, 1);
                SetTextQuietly(edit, text, static_cast<int>(at));
                PostFocusNext(edit);
                continue;
            }
        }
        qsizetype cursor = 0;
        QString refused;
        const QString kept = Cleaned(spec, text, edit->cursorPosition(), cursor, refused);
        if (kept.size() != text.size()) {
            SetTextQuietly(edit, kept, static_cast<int>(cursor));
            KvBeep();
            KvShowHint(edit, RefusalHint(spec, refused));
            continue;
        }

        QPointer<QLineEdit> alive(edit);
        if (!Report(&KvEditConstraint::Changed, edit) || !alive)
            return;
        it = FirstItem(edit);
        if (it && restoring_ != edit && it->Spec.Has(KvConstraintSpec::AutoAdvance) && it->Spec.LengthLimit > 0
            && edit->text().size() == it->Spec.LengthLimit)
            PostFocusNext(edit);
        return;
    }
}

bool KvEditConstraint::Report(void (KvEditConstraint::*signal)(QLineEdit*), QLineEdit* edit)
{
    QLineEdit* const savedEdit = reporting_;
    const bool savedVeto = vetoed_;
    reporting_ = edit;
    vetoed_ = false;
    Q_EMIT(this->*signal)(edit);
    const bool accepted = !vetoed_;
    reporting_ = savedEdit;
    vetoed_ = savedVeto;
    return accepted;
}

void KvEditConstraint::PostFocusNext(QLineEdit* edit)
{
    QWidget* form = owner_ ? owner_.data() : edit;
    // Queued, so that the move happens after the change has been handled; it is
    // dropped with the form if the form goes first.
    QMetaObject::invokeMethod(
        form,
        [form] {
            if (QWidget* window = form->window(); window && window->isVisible())
                FocusMover::Next(window);
        },
        Qt::QueuedConnection);
}

bool KvEditConstraint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    // qobject_cast also keeps out an edit that is half destroyed (its QLineEdit
    // part is gone while QWidget's destructor moves the focus away).
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || checking_)
        return false;
    switch (static_cast<QFocusEvent*>(event)->reason()) {
    case Qt::ActiveWindowFocusReason:  // another window became active: not a leave
    case Qt::PopupFocusReason:         // a context menu of the edit itself
    case Qt::MenuBarFocusReason:
        return false;
    default:
        break;
    }
    if (ExitCheck(edit))
        return false;
    // The edit has the focus again; it must not act on the stale focus-out.
    return edit->hasFocus();
}

bool KvEditConstraint::ExitCheck(QLineEdit* edit)
{
    const Item* it = FirstItem(edit);
    if (!it)
        return true;
    const QString text = edit->text();
    if (IsPlaceholder(text))
        return true;
    const KvConstraintSpec spec = it->Spec;
    if (text.isEmpty()) {
        if (!spec.Has(KvConstraintSpec::Required))
            return true;
        Refuse(edit, Message(KvEmptyValue, {}));
        return false;
    }
    if (const std::optional<QString> problem = Violation(spec, text)) {
        Refuse(edit, *problem);
        return false;
    }
    QPointer<QLineEdit> alive(edit);
    if (!Report(&KvEditConstraint::Left, edit)) {
        if (alive)
            RestoreAccepted(edit);
        return true;
    }
    if (!alive)
        return true;
    if (Item* now = FirstItem(edit); now && remember_)
        now->LastAccepted = edit->text();
    return true;
}

void KvEditConstraint::Refuse(QLineEdit* edit, const QString& message)
{
    QPointer<QLineEdit> alive(edit);
    QLineEdit* const saved = checking_;
    checking_ = edit;
    KvShowAppMessage(owner_.data(), message);
    checking_ = saved;
    if (!alive)
        return;
    if (!keepRefused_)
        RestoreAccepted(edit);
    edit->setFocus(Qt::OtherFocusReason);
}

void KvEditConstraint::RestoreAccepted(QLineEdit* edit)
{
    const Item* it = FirstItem(edit);
    const QString text = it ? it->LastAccepted : QString();
    QLineEdit* const saved = restoring_;
    restoring_ = edit;
    edit->setText(text);
    restoring_ = saved;
}
