#include "features/windows/EditorWindow.h"

#include "base/LanguageTexts.h"
#include "data/ConfigurationState.h"
#include "ui/ChildWindows.h"
#include "ui/ClipboardKeys.h"
#include "ui/DialogCaptions.h"
#include "ui/EnterMovesFocus.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QValidator>

namespace mk21 {

namespace {

constexpr int ControlHeight = 315;
constexpr int ButtonWidth = 1095;
constexpr int ButtonHeight = 375;
constexpr int ButtonGap = 225;

void Place(QWidget* control, int left, int top, int width, int height = ControlHeight)
{
    const QWidget& d = *control;
    control->setGeometry(Twips::ToPixelsX(left, d), Twips::ToPixelsY(top, d), Twips::ToPixelsX(width, d),
                         Twips::ToPixelsY(height, d));
}

// Whatever reaches a field, typed, pasted or dropped, passes the field's character filter.
class FilterValidator final : public QValidator {
public:
    FilterValidator(const Editor::TextField& field, QObject* parent) : QValidator(parent), field_(field) {}

    State validate(QString& input, int& position) const override
    {
        const QString kept = Editor::Filtered(field_, input);
        if (kept != input) {
            position = static_cast<int>(Editor::Filtered(field_, input.left(position)).size());
            input = kept;
        }
        return Acceptable;
    }

private:
    const Editor::TextField& field_;
};

} // namespace

EditorWindow::EditorWindow(ConfigurationState& state, Editor::Model model, QWidget* parent)
    : QWidget(parent), state_(state), model_(std::move(model))
{
    setObjectName(model_.form);
}

void EditorWindow::Build(QWidget* parent, std::span<const Spot> spots)
{
    for (const Spot& spot : spots) {
        const QString name = QLatin1String(spot.name);
        if (const Editor::List* row = model_.list(name))
            BuildList(parent, *row, spot);
        else if (const Editor::Check* box = model_.check(name))
            BuildCheck(parent, *box, spot);
        else if (const Editor::TextField* text = model_.text(name))
            BuildText(parent, *text, spot);
        else
            qFatal("EditorWindow: %s is no control of %s", spot.name, qPrintable(model_.form));
    }
}

void EditorWindow::BuildList(QWidget* parent, const Editor::List& row, const Spot& spot)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(row.name);
    list->addItems(row.entries);
    list->setCurrentIndex(-1);
    Place(list, spot.left, spot.top, spot.width);
    EnterMovesFocus::Install(list);
    const auto index = static_cast<std::size_t>(&row - model_.lists.data());
    if (row.readOnly)
        list->installEventFilter(this); // keeps the choice from changing
    else
        connect(list, &QComboBox::activated, this,
                [this, index](int position) { ListChosen(index, position); });
    controls_.insert(row.name, list);
    BuildLabel(parent, row.label, list);
}

void EditorWindow::BuildCheck(QWidget* parent, const Editor::Check& row, const Spot& spot)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(row.name);
    Place(box, spot.left, spot.top, spot.width);
    EnterMovesFocus::Install(box);
    const auto index = static_cast<std::size_t>(&row - model_.checks.data());
    connect(box, &QCheckBox::clicked, this, [this, index](bool ticked) { CheckClicked(index, ticked); });
    controls_.insert(row.name, box);
}

void EditorWindow::BuildText(QWidget* parent, const Editor::TextField& row, const Spot& spot)
{
    if (row.multiLine) {
        auto* lines = new QPlainTextEdit(parent);
        lines->setObjectName(row.name);
        lines->setReadOnly(row.readOnly);
        lines->setTabChangesFocus(true);
        Place(lines, spot.left, spot.top, spot.width, 3 * ControlHeight);
        controls_.insert(row.name, lines);
        BuildLabel(parent, row.label, lines);
        return;
    }
    auto* box = new QLineEdit(parent);
    box->setObjectName(row.name);
    box->setMaxLength(row.maxLength);
    box->installEventFilter(this);
    Place(box, spot.left, spot.top, spot.width);
    controls_.insert(row.name, box);
    BuildLabel(parent, row.label, box);
    if (row.readOnly) {
        box->setReadOnly(true);
        return;
    }
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    if (row.filter)
        box->setValidator(new FilterValidator(row, box));
    const auto index = static_cast<std::size_t>(&row - model_.texts.data());
    if (row.commit == Editor::TextField::Commit::OnChange)
        connect(box, &QLineEdit::textChanged, this,
                [this, index](const QString& text) { TextChanged(index, text); });
}

QLabel* EditorWindow::BuildLabel(QWidget* parent, const QString& name, QWidget* control)
{
    if (name.isEmpty())
        return nullptr;
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setBuddy(control);
    labels_.insert(control, label);
    return label;
}

void EditorWindow::BuildButtons(QWidget* parent, int left, int top, int clientWidth, int clientHeight)
{
    CommandClose = new QPushButton(parent);
    CommandClose->setObjectName(QStringLiteral("CommandClose"));
    Place(CommandClose, left, top, ButtonWidth, ButtonHeight);
    CommandHelp = new QPushButton(parent);
    CommandHelp->setObjectName(QStringLiteral("CommandHelp"));
    Place(CommandHelp, left + ButtonWidth + ButtonGap, top, ButtonWidth, ButtonHeight);
    CommandHelp->setVisible(state_.settings.HelpAvailable);
    connect(CommandClose, &QPushButton::clicked, this, [this] { ModFun::CloseChildWindow(this); });
    setMinimumSize(Twips::ToPixelsX(clientWidth, *this), Twips::ToPixelsY(clientHeight, *this));
}

void EditorWindow::Load()
{
    ChangShowByLanguage();
    ShowValues();
}

void EditorWindow::ChangShowByLanguage()
{
    setWindowTitle(GetLangText(state_, model_.title));
    for (const Editor::List& row : model_.lists) {
        if (QLabel* label = labels_.value(controls_.value(row.name)))
            label->setText(row.labelText != 0 ? GetLangText(state_, row.labelText) : row.labelCaption);
    }
    for (const Editor::TextField& row : model_.texts) {
        if (QLabel* label = labels_.value(controls_.value(row.name)))
            label->setText(row.labelText != 0 ? GetLangText(state_, row.labelText) : row.labelCaption);
    }
    for (const Editor::Check& row : model_.checks) {
        if (QCheckBox* box = check(row.name))
            box->setText(GetLangText(state_, row.caption));
    }
    ModLang::SetCloseHelpCaptions(state_, this);
    SetOwnCaptions();
    PlaceLabels();
}

// Each label ends the description's gap left of its control, centred on the control's height.
void EditorWindow::PlaceLabels()
{
    for (auto at = labels_.cbegin(); at != labels_.cend(); ++at) {
        const QWidget* control = at.key();
        QLabel* label = at.value();
        label->adjustSize();
        // A box of several lines is labelled at its first line.
        const int height = qobject_cast<const QPlainTextEdit*>(control) != nullptr
                               ? Twips::ToPixelsY(ControlHeight, *control)
                               : control->height();
        label->move(control->x() - label->width() - Twips::ToPixelsX(model_.labelGap, *label),
                    control->y() + (height - label->height()) / 2);
    }
}

void EditorWindow::ShowValues()
{
    for (const Editor::List& row : model_.lists)
        ShowList(row.name);
    for (const Editor::Check& row : model_.checks) {
        if (row.clearsOddValue && row.value(state_) > 1)
            row.store(state_, 0);
        if (QCheckBox* box = check(row.name))
            box->setChecked(row.value(state_) == 1);
    }
    for (const Editor::TextField& row : model_.texts) {
        if (QLineEdit* box = field(row.name))
            box->setText(row.shown(state_));
        else if (auto* lines = qobject_cast<QPlainTextEdit*>(controls_.value(row.name)))
            lines->setPlainText(row.shown(state_));
    }
    ApplyEnabling();
}

void EditorWindow::ShowList(const QString& name)
{
    const Editor::List* row = model_.list(name);
    QComboBox* box = list(name);
    if (row == nullptr || box == nullptr)
        return;
    const auto index = static_cast<std::size_t>(row - model_.lists.data());
    if (row->readOnly) {
        box->setCurrentIndex(row->shown(state_, row->entries));
        return;
    }
    if (row->fill) {
        model_.lists[index].entries = row->fill(state_);
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItems(row->entries);
    }
    // Selecting an entry notifies as a choice does, so the list stores what it shows.
    const int position = row->shown(state_, row->entries);
    box->setCurrentIndex(position);
    if (position >= 0)
        emit box->activated(position);
    else if (row->storesNothingShown)
        Store(index, -1);
}

void EditorWindow::ShowLists(const QStringList& names)
{
    for (const QString& name : names)
        ShowList(name);
}

void EditorWindow::ListChosen(std::size_t row, int position)
{
    if (position >= 0 && position < model_.lists[row].entries.size())
        Store(row, position);
}

void EditorWindow::Store(std::size_t row, int position)
{
    const Editor::List& described = model_.lists[row];
    described.store(state_, described.entries, position);
    for (const QString& dependent : described.dependents)
        ShowList(dependent);
    // A rule may store another entry than the one chosen: the list shows what is stored.
    if (QComboBox* box = list(described.name)) {
        const int shown = described.shown(state_, described.entries);
        if (shown != box->currentIndex())
            box->setCurrentIndex(shown);
    }
    ApplyEnabling();
    emit stored(described.name);
}

void EditorWindow::CheckClicked(std::size_t row, bool ticked)
{
    const Editor::Check& described = model_.checks[row];
    described.store(state_, ticked ? 1 : 0);
    ApplyEnabling();
    emit stored(described.name);
}

void EditorWindow::TextChanged(std::size_t row, const QString& text)
{
    const Editor::TextField& described = model_.texts[row];
    described.store(state_, text);
    emit stored(described.name);
}

void EditorWindow::TextLeft(std::size_t row)
{
    const Editor::TextField& described = model_.texts[row];
    QLineEdit* box = field(described.name);
    described.store(state_, box->text());
    // The field shows what was stored (a refused entry becomes the stored default).
    const QString shown = described.shown(state_);
    if (box->text() != shown)
        box->setText(shown);
    emit stored(described.name);
}

void EditorWindow::CommitPendingText()
{
    for (std::size_t i = 0; i < model_.texts.size(); ++i) {
        const Editor::TextField& row = model_.texts[i];
        QLineEdit* box = field(row.name);
        if (row.commit == Editor::TextField::Commit::OnLeave && box != nullptr && box->hasFocus())
            TextLeft(i);
    }
}

void EditorWindow::ApplyEnabling()
{
    for (const Editor::List& row : model_.lists) {
        if (QWidget* control = controls_.value(row.name))
            control->setEnabled(Editor::IsEnabled(row.enabled, state_));
    }
    for (const Editor::Check& row : model_.checks) {
        if (QWidget* control = controls_.value(row.name))
            control->setEnabled(Editor::IsEnabled(row.enabled, state_));
    }
}

QComboBox* EditorWindow::list(const QString& name) const
{
    return qobject_cast<QComboBox*>(controls_.value(name));
}

QCheckBox* EditorWindow::check(const QString& name) const
{
    return qobject_cast<QCheckBox*>(controls_.value(name));
}

QLineEdit* EditorWindow::field(const QString& name) const
{
    return qobject_cast<QLineEdit*>(controls_.value(name));
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    CommitPendingText();
    QWidget::closeEvent(event);
}

bool EditorWindow::TextKeyPress(QLineEdit* box, std::size_t row, const QKeyEvent* key)
{
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (model_.texts[row].commit == Editor::TextField::Commit::OnLeave)
            TextLeft(row);
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &tab);
        return true;
    }
    if (IsClipboardKey(key))
        return true;
    // Characters above 127 are dropped here too; what passes is filtered by the validator.
    const QString text = key->text();
    return !text.isEmpty() && text.front().unicode() > 127;
}

// A list that is shown only: Tab and Enter move on, nothing else reaches it.
bool EditorWindow::ShownListEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key != Qt::Key_Tab && key != Qt::Key_Backtab && key != Qt::Key_Return && key != Qt::Key_Enter;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel: return true;
    default: return false;
    }
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (qobject_cast<QComboBox*>(watched) != nullptr)
        return ShownListEvent(event) || QWidget::eventFilter(watched, event);
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr)
        return QWidget::eventFilter(watched, event);
    std::size_t row = 0;
    while (row < model_.texts.size() && model_.texts[row].name != box->objectName())
        ++row;
    if (row == model_.texts.size())
        return QWidget::eventFilter(watched, event);
    const bool checked = model_.texts[row].commit == Editor::TextField::Commit::OnLeave;
    if (model_.texts[row].readOnly) {
        // Shown only: Enter moves on; selecting and copying work as usual.
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QCoreApplication::sendEvent(box, &tab);
                return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::KeyPress: return TextKeyPress(box, row, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        // After the line edit's own focus handling, which a mouse click would end with a cursor.
        if (checked && !box->text().isEmpty())
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        break;
    case QEvent::FocusOut: {
        // Another application or a message box taking the focus is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (checked && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            TextLeft(row);
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace mk21
