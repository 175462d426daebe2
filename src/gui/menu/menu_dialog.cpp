#include "gui/menu/menu_dialog.h"

#include "core/session/session.h"
#include "core/menu/menu_clock.h"
#include "core/format/safe_writer.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <array>
#include <utility>

namespace rosmossel {
namespace {

using namespace menu_id;

constexpr int kStaticId = -1; // labels the program never addresses
constexpr int kFolderTypingLimit = 80;
constexpr std::array<int, 4> kSerialCharacterIds = {SerialCharacter1, SerialCharacter1 + 1,
                                                    SerialCharacter1 + 2, SerialCharacter1 + 3};

// Creates the controls of one dialog, each with its identifier and names.
class ControlFactory {
  public:
    ControlFactory(QWidget* dialog, ControlMap& controls) : dialog_(dialog), controls_(controls) {}

    QLabel* label(int id, const char* name, const char* text = "") const {
        auto* control = new QLabel(QString::fromUtf8(text), dialog_);
        identify(control, id, name);
        control->setAccessibleName(control->text());
        return control;
    }
    QComboBox* list(int id, const char* name, QLabel* caption, const QString& suffix = {}) const {
        auto* control = new QComboBox(dialog_);
        control->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        identify(control, id, name);
        LabelControl(control, caption, suffix);
        return control;
    }
    QLineEdit* numberBox(int id, const char* name, QLabel* caption,
                         const QString& suffix = {}) const {
        auto* control = new QLineEdit(dialog_);
        control->setAlignment(Qt::AlignCenter);
        control->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), control));
        control->setFixedWidth(control->fontMetrics().horizontalAdvance(QStringLiteral("0000")) +
                               16);
        identify(control, id, name);
        LabelControl(control, caption, suffix);
        return control;
    }
    QLineEdit* textBox(int id, const char* name, QWidget* caption) const {
        auto* control = new QLineEdit(dialog_);
        identify(control, id, name);
        LabelControl(control, caption);
        return control;
    }
    QPushButton* button(int id, const char* name) const {
        auto* control = new QPushButton(dialog_);
        identify(control, id, name);
        return control;
    }

  private:
    void identify(QWidget* control, int id, const char* name) const {
        SetControlId(control, id, QString::fromLatin1(name));
        if (id >= 0) {
            controls_.insert(id, control);
        }
    }

    QWidget* dialog_;
    ControlMap& controls_;
};

QFrame* separator(QWidget* dialog) {
    auto* line = new QFrame(dialog);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretch = true) {
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        layout->addWidget(widget);
    }
    if (stretch) {
        layout->addStretch(1);
    }
    return layout;
}

// Unit labels ("Hour", "Min", "Sec") stand above their number boxes, which
// are separated by ":"; the switch list comes first.
QGridLayout* timeRow(const ControlFactory& make, QComboBox* switchList,
                     std::initializer_list<std::pair<QWidget*, QLabel*>> parts) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(0);
    grid->addWidget(switchList, 1, 0);
    int column = 1;
    bool afterBox = false;
    for (const auto& [widget, unit] : parts) {
        if (unit == nullptr) { // a caption between groups
            grid->addWidget(widget, 1, column++);
            afterBox = false;
            continue;
        }
        if (afterBox) {
            grid->addWidget(make.label(kStaticId, "separator", ":"), 1, column++);
        }
        unit->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(unit, 0, column);
        grid->addWidget(widget, 1, column++);
        afterBox = true;
    }
    grid->setColumnStretch(column, 1);
    return grid;
}

void setEditable(QLineEdit* box, bool editable) {
    box->setReadOnly(!editable);
    // Read-only boxes look grey, as the platform's dialogs show them.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base,
                     QApplication::palette().color(editable ? QPalette::Base : QPalette::Button));
    box->setPalette(palette);
}

} // namespace

void FillMenuOptions(const ControlMap& dialog, Family family, int language) {
    const LanguageTable& table = MenuLanguageTable(family);
    FillOptionLists(dialog, table.optionLists, language);
    ApplyCaptions(dialog, table.familyCaptions, language);
}

void ApplyMenuCaptions(const ControlMap& dialog, int language) {
    ApplyCaptions(dialog, MenuLanguageTable(Family::Quill).captions, language);
}

CameraMenuDialog::CameraMenuDialog(const MenuFamilyDescriptor& family, QWidget* parent)
    : QDialog(parent), family_(family), exchange_(this), folder_(DefaultFolder()) {
    clockText_ = QString::fromStdString(*FormatClock(CaptureClock(), 0));
    buildLayout();
    bindValues();

    exchange_.show();
    setWindowTitle(QString::fromUtf8(family_.title));
    setTimerEditable(false);
    setTimeLapseEditable(false);
    setSerialCharactersEnabled(false);
    FillMenuOptions(controls_, family_.family, CurrentLanguage);
    ApplyMenuCaptions(controls_, CurrentLanguage);
    ApplyDialogColours(this);
    connectHandlers();
}

void CameraMenuDialog::buildLayout() {
    const ControlFactory make(this, controls_);
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setColumnMinimumWidth(2, 24);
    int r = 0;

    // The upper block: two halves of label and list.
    const auto half = [&](int gridRow, int column, QLabel* caption, QLayoutItem* field) {
        grid->addWidget(caption, gridRow, column);
        grid->addItem(field, gridRow, column + 1);
    };
    const auto listHalf = [&](int gridRow, int column, int labelId, const char* labelName,
                              int listId, const char* listName) {
        QLabel* caption = make.label(labelId, labelName);
        grid->addWidget(caption, gridRow, column);
        // The lists of one half share its width, so the half reads as a column.
        grid->addWidget(make.list(listId, listName, caption), gridRow, column + 1);
    };
    listHalf(r, 0, ModeLabel, "modeLabel", CameraMode, "cameraMode");
    listHalf(r++, 3, ImageSizeLabel, "imageSizeLabel", ImageSize, "imageSize");
    listHalf(r, 0, VideoSizeLabel, "videoSizeLabel", VideoSize, "videoSize");
    listHalf(r++, 3, PicturesLabel, "picturesLabel", Pictures, "pictures");
    listHalf(r, 0, TimeStampLabel, "timeStampLabel", TimeStamp, "timeStamp");
    listHalf(r++, 3, SensitivityLabel, "sensitivityLabel", Sensitivity, "sensitivity");
    listHalf(r, 0, SidePirLabel, "sidePirLabel", SidePir, "sidePir");
    QLabel* lengthLabel = make.label(VideoLengthLabel, "videoLengthLabel");
    half(r++, 3, lengthLabel,
         row({make.numberBox(VideoLength, "videoLength", lengthLabel),
              make.label(kStaticId, "videoLengthUnit", "Sec")}));
    QLabel* intervalLabel = make.label(IntervalLabel, "intervalLabel");
    half(r, 0, intervalLabel,
         row({make.list(IntervalUnit, "intervalUnit", intervalLabel),
              make.numberBox(Interval, "interval", intervalLabel)}));
    listHalf(r++, 3, DateFormatLabel, "dateFormatLabel", DateFormat, "dateFormat");
    if (family_.beepAndCycle) {
        // These two labels keep their English text in every language.
        listHalf(r, 0, BeepSoundLabel, "beepSoundLabel", BeepSound, "beepSound");
        listHalf(r++, 3, SdCycleLabel, "sdCycleLabel", SdCycle, "sdCycle");
        SetControlText(controls_.value(BeepSoundLabel), QStringLiteral("Beep Sound"));
        SetControlText(controls_.value(SdCycleLabel), QStringLiteral("SD Cycle"));
    }
    grid->addWidget(separator(this), r++, 0, 1, 5);

    // The lower block: one label per row, the controls across both halves.
    const auto wide = [&](QLabel* caption, QLayout* controls) {
        grid->addWidget(caption, r, 0, Qt::AlignLeft | Qt::AlignBottom);
        grid->addLayout(controls, r++, 1, 1, 4);
    };
    QLabel* clockLabel = make.label(ClockLabel, "clockLabel");
    QLineEdit* clockBox = make.textBox(ClockText, "clockText", clockLabel);
    setEditable(clockBox, false); // shown, never typed
    clockBox->setMinimumWidth(
        clockBox->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00 00:00:00")) + 16);
    wide(clockLabel, row({clockBox, make.button(GetTime, "getTimeButton")}));

    const auto unit = [&](const char* text) { return make.label(kStaticId, "unitLabel", text); };
    QLabel* timerLabel = make.label(TimerLabel, "timerLabel");
    QComboBox* timerList = make.list(Timer, "timer", timerLabel);
    QLabel* startLabel = make.label(StartLabel, "startLabel");
    QLabel* stopLabel = make.label(StopLabel, "stopLabel");
    wide(timerLabel,
         timeRow(
             make, timerList,
             {{startLabel, nullptr},
              {make.numberBox(TimerStartHour, "timerStartHour", startLabel, " Hour"), unit("Hour")},
              {make.numberBox(TimerStartMinute, "timerStartMinute", startLabel, " Min"),
               unit("Min")},
              {stopLabel, nullptr},
              {make.numberBox(TimerStopHour, "timerStopHour", stopLabel, " Hour"), unit("Hour")},
              {make.numberBox(TimerStopMinute, "timerStopMinute", stopLabel, " Min"),
               unit("Min")}}));
    timerLabel->setMinimumHeight(timerList->sizeHint().height());

    QLabel* serialLabel = make.label(SerialLabel, "serialLabel");
    auto* serialRow = row({make.list(SerialNumber, "serialNumber", serialLabel)}, false);
    for (std::size_t i = 0; i < kSerialCharacterIds.size(); ++i) {
        const QString number = QString::number(i + 1);
        serialRow->addWidget(make.list(kSerialCharacterIds[i], "serialCharacter", serialLabel,
                                       QStringLiteral(" ") + number));
        controls_.value(kSerialCharacterIds[i])
            ->setObjectName(QStringLiteral("serialCharacter") + number);
    }
    serialRow->addStretch(1);
    wide(serialLabel, serialRow);

    QLabel* lapseLabel = make.label(TimeLapseLabel, "timeLapseLabel");
    QComboBox* lapseList = make.list(TimeLapse, "timeLapse", lapseLabel);
    wide(lapseLabel,
         timeRow(
             make, lapseList,
             {{make.numberBox(TimeLapseHours, "timeLapseHours", lapseLabel, " Hour"), unit("Hour")},
              {make.numberBox(TimeLapseMinutes, "timeLapseMinutes", lapseLabel, " Min"),
               unit("Min")},
              {make.numberBox(TimeLapseSeconds, "timeLapseSeconds", lapseLabel, " Sec"),
               unit("Sec")}}));
    lapseLabel->setMinimumHeight(lapseList->sizeHint().height());
    grid->addWidget(separator(this), r++, 0, 1, 5);

    QPushButton* selectButton = make.button(Select, "selectButton");
    grid->addWidget(selectButton, r, 0);
    QLineEdit* folderBox = make.textBox(Folder, "folder", selectButton);
    grid->addWidget(folderBox, r++, 1, 1, 4);

    QPushButton* generate = make.button(Generate, "generateButton");
    generate->setDefault(true); // Enter anywhere in the dialog generates
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(generate);
    buttons->addWidget(make.button(Default, "defaultButton"));
    buttons->addWidget(make.button(Exit, "exitButton"));
    buttons->addStretch(1);
    grid->addLayout(buttons, r++, 0, 1, 5);
}

void CameraMenuDialog::bindValues() {
    const auto box = [this](int id) { return control<QLineEdit>(id); };
    exchange_.bindInteger(box(VideoLength), &videoLength_, RangeCheck(1, 60));
    exchange_.bindInteger(box(Interval), &interval_, RangeCheck(0, 60));
    exchange_.bindInteger(box(TimeLapseMinutes), &timeLapseMinutes_, RangeCheck(0, 59));
    exchange_.bindInteger(box(TimeLapseSeconds), &timeLapseSeconds_, RangeCheck(0, 59));
    exchange_.bindInteger(box(TimeLapseHours), &timeLapseHours_, RangeCheck(0, 23));
    exchange_.bindInteger(box(TimerStopMinute), &timerStopMinute_, RangeCheck(0, 59));
    exchange_.bindInteger(box(TimerStopHour), &timerStopHour_, RangeCheck(0, 23));
    exchange_.bindInteger(box(TimerStartHour), &timerStartHour_, RangeCheck(0, 23));
    exchange_.bindInteger(box(TimerStartMinute), &timerStartMinute_, RangeCheck(0, 59));
    exchange_.bindText(box(ClockText), &clockText_);
    exchange_.bindText(box(Folder), &folder_, kFolderTypingLimit);
}

void CameraMenuDialog::connectHandlers() {
    const auto box = [this](int id) { return control<QLineEdit>(id); };
    const auto list = [this](int id) { return control<QComboBox>(id); };
    const auto button = [this](int id) { return control<QPushButton>(id); };

    // Only the user's edits and choices run the rules; the dialog's own
    // updates of its fields do not.
    connect(box(VideoLength), &QLineEdit::textEdited, this, &CameraMenuDialog::onVideoLengthEdited);
    connect(box(Interval), &QLineEdit::textEdited, this, &CameraMenuDialog::onIntervalEdited);
    const std::pair<int, std::pair<int*, int>> timeFields[] = {
        {TimeLapseHours, {&timeLapseHours_, 23}},     {TimeLapseMinutes, {&timeLapseMinutes_, 59}},
        {TimeLapseSeconds, {&timeLapseSeconds_, 59}}, {TimerStartHour, {&timerStartHour_, 23}},
        {TimerStartMinute, {&timerStartMinute_, 59}}, {TimerStopHour, {&timerStopHour_, 23}},
        {TimerStopMinute, {&timerStopMinute_, 59}},
    };
    for (const auto& [id, field] : timeFields) {
        connect(
            box(id), &QLineEdit::textEdited, this,
            [this, value = field.first, limit = field.second] { onTimeFieldEdited(value, limit); });
    }
    connect(list(IntervalUnit), &QComboBox::activated, this,
            &CameraMenuDialog::onIntervalUnitChosen);
    connect(list(Timer), &QComboBox::activated, this, &CameraMenuDialog::onTimerChosen);
    connect(list(TimeLapse), &QComboBox::activated, this, &CameraMenuDialog::onTimeLapseChosen);
    connect(list(SerialNumber), &QComboBox::activated, this,
            &CameraMenuDialog::onSerialNumberChosen);
    connect(list(DateFormat), &QComboBox::activated, this, &CameraMenuDialog::refreshClock);
    for (int id : {CameraMode, ImageSize}) {
        connect(list(id), &QComboBox::activated, this, [this] { exchange_.take(); });
    }
    connect(button(GetTime), &QPushButton::clicked, this, &CameraMenuDialog::refreshClock);
    connect(button(Select), &QPushButton::clicked, this, &CameraMenuDialog::onSelectFolder);
    connect(button(Generate), &QPushButton::clicked, this, &CameraMenuDialog::onGenerate);
    connect(button(Default), &QPushButton::clicked, this, &CameraMenuDialog::onDefault);
    connect(button(Exit), &QPushButton::clicked, this, &QDialog::reject);
}

int CameraMenuDialog::selected(int listId) const {
    return control<QComboBox>(listId)->currentIndex();
}

void CameraMenuDialog::select(int listId, int index) {
    control<QComboBox>(listId)->setCurrentIndex(index);
}

void CameraMenuDialog::setTimerEditable(bool editable) {
    for (int id : {TimerStartHour, TimerStartMinute, TimerStopHour, TimerStopMinute}) {
        setEditable(control<QLineEdit>(id), editable);
    }
}

void CameraMenuDialog::setTimeLapseEditable(bool editable) {
    for (int id : {TimeLapseHours, TimeLapseMinutes, TimeLapseSeconds}) {
        setEditable(control<QLineEdit>(id), editable);
    }
}

void CameraMenuDialog::setSerialCharactersEnabled(bool enabled) {
    for (int id : kSerialCharacterIds) {
        controls_.value(id)->setEnabled(enabled);
    }
}

void CameraMenuDialog::onVideoLengthEdited() {
    exchange_.take();
    if (videoLength_ > 60 || videoLength_ == 0) {
        videoLength_ = 10;
        exchange_.show();
    }
}

void CameraMenuDialog::onIntervalEdited() {
    const int unit = selected(IntervalUnit);
    exchange_.take();
    if (unit == 1 && interval_ == 0) {
        interval_ = 1;
        exchange_.show();
    }
    if (unit >= 0 && interval_ > 60) {
        interval_ = 1;
        exchange_.show();
    }
}

void CameraMenuDialog::onTimeFieldEdited(int* value, int limit) {
    exchange_.take();
    if (*value > limit) {
        *value = 0;
        exchange_.show();
    }
}

void CameraMenuDialog::onIntervalUnitChosen(int unit) {
    exchange_.take();
    if (unit == 1 && interval_ == 0) {
        interval_ = 1;
        exchange_.show();
    }
}

void CameraMenuDialog::onTimerChosen(int selection) {
    exchange_.take();
    setTimerEditable(selection != 0);
    exchange_.show();
}

void CameraMenuDialog::onTimeLapseChosen(int selection) {
    exchange_.take();
    setTimeLapseEditable(selection != 1);
    exchange_.show();
}

void CameraMenuDialog::onSerialNumberChosen(int selection) {
    exchange_.take();
    setSerialCharactersEnabled(selection != 0);
    exchange_.show();
}

void CameraMenuDialog::refreshClock() {
    const int dateFormat = selected(DateFormat);
    if (auto text = FormatClock(CaptureClock(), dateFormat)) {
        clockText_ = QString::fromStdString(*text);
    }
    exchange_.show();
}

void CameraMenuDialog::onSelectFolder() {
    folder_ = ChooseFolder();
    exchange_.show();
}

void CameraMenuDialog::takeFolder() {
    folder_ = control<QLineEdit>(Folder)->text();
}

MenuSettings CameraMenuDialog::settings() const {
    MenuSettings s = DefaultMenuSettings(family_.family);
    s.cameraMode = selected(CameraMode);
    s.imageSize = selected(ImageSize);
    s.videoSize = selected(VideoSize);
    s.picturesPerTrigger = selected(Pictures);
    s.videoLengthSeconds = videoLength_;
    s.timeStamp = selected(TimeStamp);
    s.intervalValue = interval_;
    s.intervalUnit = selected(IntervalUnit);
    s.sensitivity = selected(Sensitivity);
    s.timer = selected(Timer);
    s.sidePir = selected(SidePir);
    s.timeLapse = selected(TimeLapse);
    s.timeLapseHours = timeLapseHours_;
    s.timeLapseMinutes = timeLapseMinutes_;
    s.timeLapseSeconds = timeLapseSeconds_;
    s.clock = CapturedClock;
    s.timerStartHour = timerStartHour_;
    s.timerStartMinute = timerStartMinute_;
    s.timerStopHour = timerStopHour_;
    s.timerStopMinute = timerStopMinute_;
    s.serialNumber = selected(SerialNumber);
    for (std::size_t i = 0; i < kSerialCharacterIds.size(); ++i) {
        s.serialCharacters[i] = selected(kSerialCharacterIds[i]);
    }
    s.languageCode = FileLanguageCode();
    s.tvMode = static_cast<int>(TvMode & 0xFFu);
    if (family_.beepAndCycle) {
        s.beepSound = selected(BeepSound);
        s.sdCycle = selected(SdCycle);
    }
    return s;
}

bool CameraMenuDialog::writeFile(const FileRecord& record) {
    const std::string path = FilePathInFolder(folder_.toStdString(), "menu.dat");
    if (auto error = WriteFileSafely(path, record)) {
        ShowMessage(QString::fromStdString(WriteFailedMessage(*error).in(CurrentLanguage)));
        return false;
    }
    return true;
}

void CameraMenuDialog::onGenerate() {
    takeFolder();
    if (!writeFile(BuildMenuRecord(settings()))) {
        return;
    }
    const std::string name = family_.cameraName;
    const Message done{name + " Configuration file is generated",
                       name + " 相机菜单设置文件已经生成"};
    ShowMessage(QString::fromStdString(done.in(CurrentLanguage)));
}

void CameraMenuDialog::onDefault() {
    takeFolder();
    exchange_.take(); // a range message may appear; the reset goes on regardless
    for (int id : {CameraMode, ImageSize, VideoSize, Pictures, TimeStamp, Sensitivity, Timer,
                   SerialNumber, kSerialCharacterIds[0], kSerialCharacterIds[1],
                   kSerialCharacterIds[2], kSerialCharacterIds[3]}) {
        select(id, 0);
    }
    for (int id : {SidePir, IntervalUnit, TimeLapse}) {
        select(id, 1);
    }
    timeLapseHours_ = timeLapseMinutes_ = timeLapseSeconds_ = 0;
    timerStartHour_ = timerStartMinute_ = timerStopHour_ = timerStopMinute_ = 0;
    videoLength_ = 10;
    setTimerEditable(false);
    setTimeLapseEditable(false);
    setSerialCharactersEnabled(false);
    exchange_.show();

    if (!writeFile(BuildFactoryMenuRecord())) {
        return;
    }
    const std::string name = family_.cameraName;
    const Message done{name + " Camera menu factory settings file has been generated",
                       name + " 相机菜单出厂设置文件已经生成"};
    ShowMessage(QString::fromStdString(done.in(CurrentLanguage)));
}

} // namespace rosmossel
