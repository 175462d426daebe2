#include "gui/mms/mms_dialog.h"

#include "core/mms/mms_checks.h"
#include "core/mms/mms_rules.h"
#include "core/operators/operator_fill.h"
#include "core/text/code_page.h"
#include "core/text/mms_language_table.h"
#include "core/text/operator_texts.h"
#include "gui/dialogs/operator_finder.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace rosmossel {
namespace {

using namespace mms_id;

constexpr int kConnectionIds[] = {Url, Apn, Gateway, Port, Account, Password};

using T = MmsText;
// The typed texts in the dialog's exchange order, with the values they fill.
// clang-format off
constexpr std::pair<int, MmsText> kTextFields[] = {
    {Account, T::Account},        {Url, T::Url},         {Apn, T::Apn},
    {Password, T::Password},      {Gateway, T::Gateway}, {Port, T::Port},
    {PhoneNo, T::Phone},          {Recipient2, T::Recipient2},
    {Recipient3, T::Recipient3},  {Email, T::Email}};
// clang-format on

} // namespace

MmsDialog::MmsDialog(const DialogFamily& descriptor, Session& session, CardWatch* cards,
                     QWidget* parent)
    : SetupDialog(descriptor,
                  {MmsLanguageTable(descriptor.family), FolderName::Folder, FileKind::Mms}, session,
                  cards, parent) {
    typed_.family = descriptor.family;
}

void MmsDialog::showFirstState() {
    ApplyCaptions(controls(), std::span(&kFindOperatorCaption, 1), language());
    fillPresetLists(true);
    applyFieldStates();
}

BuildResult MmsDialog::buildFile() const {
    return BuildSetupFile(settings());
}

void MmsDialog::buildLayout() {
    auto* outer = new QVBoxLayout(this);
    QGroupBox* frame = make().frame(Frame, "mmsFrame");
    outer->addWidget(frame);
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    int r = 0;

    const auto row = [&](QWidget* caption, QWidget* field) {
        grid->addWidget(caption, r, 0);
        grid->addWidget(field, r++, 1);
    };
    const auto rowOf = [&](QWidget* caption, QLayout* fields) {
        grid->addWidget(caption, r, 0);
        grid->addLayout(fields, r++, 1);
    };
    const auto listRow = [&](int labelId, const char* labelName, int listId, const char* listName) {
        QLabel* caption = make().label(labelId, labelName);
        QComboBox* list = make().list(listId, listName, caption);
        SpanColumn(list);
        row(caption, list);
    };
    const auto textRow = [&](int labelId, const char* labelName, int boxId, const char* boxName) {
        QLabel* caption = make().label(labelId, labelName);
        row(caption, make().textBox(boxId, boxName, caption));
    };

    listRow(ModeLabel, "modeLabel", Mode, "mode");
    listRow(StatusLabel, "statusLabel", Status, "status");
    QLabel* picturesLabel = make().label(PicturesLabel, "picturesLabel");
    // A sign may be typed: the range message answers a negative count.
    rowOf(picturesLabel,
          Row({make().numberBox(PicturesPerDay, "picturesPerDay", picturesLabel, {}, true),
               make().label(PicturesNote, "picturesNote")}));
    listRow(CountryLabel, "countryLabel", Country, "country");
    listRow(OperatorLabel, "operatorLabel", Operator, "operator");
    if (quillControls()) {
        QLabel* caption = make().label(RemoteControlLabel, "remoteControlLabel");
        rowOf(caption, Row({make().list(RemoteControlHours, "remoteControlHours", caption),
                            make().label(HoursUnit, "hoursUnit", "H")}));
    }
    grid->addWidget(Separator(this), r++, 0, 1, 2);

    // Above the fields it fills, and before them in the tab order.
    grid->addWidget(make().button(kFindOperatorId, "findOperator"), r++, 1, Qt::AlignLeft);
    textRow(UrlLabel, "urlLabel", Url, "url");
    QComboBox* connectionKind = make().list(ConnectionKind, "connectionKind", nullptr);
    ControlFactory::name(connectionKind, QStringLiteral("Connection kind"));
    QLineEdit* apn = make().textBox(Apn, "apn", nullptr);
    ControlFactory::name(apn, QStringLiteral("APN"));
    grid->addWidget(connectionKind, r, 0, Qt::AlignLeft);
    grid->addWidget(apn, r++, 1);
    textRow(GatewayLabel, "gatewayLabel", Gateway, "gateway");
    textRow(PortLabel, "portLabel", Port, "port");
    QLabel* phoneLabel = make().label(PhoneNoLabel, "phoneNoLabel");
    // Made in tab order: the box, then the kind of its number.
    QLineEdit* phone = make().textBox(PhoneNo, "phoneNo", phoneLabel);
    QComboBox* numberKind = make().list(NumberKind, "numberKind", nullptr);
    ControlFactory::name(numberKind, QStringLiteral("Number kind"));
    rowOf(phoneLabel, Row({phone, numberKind}, false));
    textRow(EmailLabel, "emailLabel", Email, "email");
    textRow(AccountLabel, "accountLabel", Account, "account");
    textRow(PasswordLabel, "passwordLabel", Password, "password");
    QLabel* recipient2Label = make().label(Recipient2Label, "recipient2Label");
    row(recipient2Label, make().textBox(Recipient2, "recipient2", recipient2Label, " 2"));
    QLabel* recipient3Label = make().label(Recipient3Label, "recipient3Label");
    row(recipient3Label, make().textBox(Recipient3, "recipient3", recipient3Label, " 3"));
    grid->addWidget(Separator(this), r++, 0, 1, 2);

    // Select chooses; the field only shows the folder, however long.
    const FolderRow folderRow = makeFolderRow(Select, Folder, FolderTyping::ReadOnly);
    row(folderRow.button, folderRow.field);
    folderRow.field->setMinimumWidth(
        folderRow.field->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36);

    grid->addLayout(makeButtonRow(Generate, Exit, ButtonSpread::Centred), r++, 0, 1, 2);
}

void MmsDialog::bindValues() {
    // The digit count of the first phone number is the program's check while
    // typing, with its message; the record's size is every field's typing limit.
    const TextCheck phoneDigits = [this](const QString&) -> std::optional<FieldFailure> {
        if (auto message = CheckPhoneDigits(typed_.phone, internationalNumbers_, session().model)) {
            return ProgramFailure(*message);
        }
        return std::nullopt;
    };
    bindFileTexts(typed_, kTextFields, MmsTextFields(), PhoneNo, phoneDigits);
    exchange().bindInteger(control<QLineEdit>(PicturesPerDay), &typed_.picturesPerDay,
                           RangeCheck(PicturesPerDayField().min, PicturesPerDayField().max));
}

void MmsDialog::connectHandlers() {
    const auto box = [this](int id) { return control<QLineEdit>(id); };
    const auto list = [this](int id) { return control<QComboBox>(id); };
    const auto take = [this] { exchange().take(); };

    // Only the user's edits and choices run the rules; the dialog's own
    // updates of its fields do not.
    connect(list(Mode), &QComboBox::activated, this, &MmsDialog::onModeChosen);
    connect(list(Status), &QComboBox::activated, this, &MmsDialog::onStatusChosen);
    connect(list(Country), &QComboBox::activated, this, &MmsDialog::onCountryChosen);
    connect(list(NumberKind), &QComboBox::activated, this, &MmsDialog::onNumberKindChosen);
    connect(list(Operator), &QComboBox::activated, this, take);
    if (quillControls()) {
        connect(list(RemoteControlHours), &QComboBox::activated, this, take);
    }
    for (int id : {Url, Apn, Gateway, Port, Account, Password, Recipient3}) {
        connect(box(id), &QLineEdit::textEdited, this, take);
    }
    connect(box(PhoneNo), &QLineEdit::textEdited, this, &MmsDialog::onPhoneEdited);
    connect(control<QPushButton>(kFindOperatorId), &QPushButton::clicked, this,
            &MmsDialog::onFindOperator);
    // The recipients open or close.
    connect(box(Email), &QLineEdit::textEdited, this,
            [this] { retake([this] { react(MmsEvent::EmailEdited); }); });
    connect(box(Recipient2), &QLineEdit::textEdited, this,
            [this] { retake([this] { react(MmsEvent::Recipient2Edited); }); });
    connect(box(PicturesPerDay), &QLineEdit::textEdited, this,
            [this] { repairAfterEdit(typed_.picturesPerDay, RepairPicturesPerDay); });
}

bool MmsDialog::manualMode() const {
    return selected(Mode) == 1;
}

bool MmsDialog::smsOnly() const {
    return selected(Status) == SmsOnlyChoice(family());
}

void MmsDialog::fillPresetLists(bool startUp) {
    const bool manual = manualMode();
    FillList(control<QComboBox>(Country), MmsCountryChoices(manual, language(), startUp));
    FillList(control<QComboBox>(Operator), MmsOperatorChoices(manual, 0, language()));
}

void MmsDialog::react(MmsEvent event) {
    states_ = MmsReact(event, states_, manualMode(), smsOnly(), typed_);
    applyFieldStates();
}

void MmsDialog::applyFieldStates() {
    for (int id : kConnectionIds) {
        SetEditable(control<QLineEdit>(id), states_.connection);
    }
    control<QPushButton>(kFindOperatorId)->setEnabled(states_.connection);
    SetEditable(control<QLineEdit>(PhoneNo), states_.phone);
    SetEditable(control<QLineEdit>(Email), states_.email);
    SetEditable(control<QLineEdit>(Recipient2), states_.recipient2);
    SetEditable(control<QLineEdit>(Recipient3), states_.recipient3);
}

void MmsDialog::showModeLists(int mode) {
    shownMode_ = mode;
    fillPresetLists(false);
    FillList(control<QComboBox>(ConnectionKind), MmsConnectionKinds(mode == 1));
}

void MmsDialog::showOperatorsOf(int country) {
    FillList(control<QComboBox>(Operator), MmsOperatorChoices(false, country, language()));
}

void MmsDialog::onModeChosen(int mode) {
    // Picking the mode already set must not throw away what was typed.
    if (mode == shownMode_) {
        return;
    }
    showModeLists(mode);
    react(MmsEvent::ModeChanged);
    exchange().show();
}

void MmsDialog::onStatusChosen() {
    if (!smsOnly()) {
        exchange().take();
    }
    react(MmsEvent::StatusChanged);
    exchange().show();
}

void MmsDialog::onCountryChosen(int country) {
    if (!manualMode()) {
        showOperatorsOf(country);
    }
    exchange().show();
}

void MmsDialog::onPhoneEdited() {
    retake([this] {
        if (CheckPhoneDigits(typed_.phone, internationalNumbers_, session().model)) {
            typed_.phone.clear(); // the message has been shown
        }
        react(MmsEvent::PhoneEdited);
    });
}

void MmsDialog::onNumberKindChosen(int kind) {
    internationalNumbers_ = kind == 1 ? 1 : 0;
    if (internationalNumbers_ == 1) {
        report(kInternationalNumbersNote);
    }
}

void MmsDialog::onFindOperator() {
    FindOperatorAndFill(ApnUse::Mms, session(), this, [this](const OperatorConnection& row) {
        QLineEdit* refused = nullptr;
        retake([&] {
            if (const auto text = FillMmsConnection(typed_, row, SystemCodePage())) {
                refused = textBoxOf(*text);
            }
        });
        return refused;
    });
}

MmsSettings MmsDialog::settings() const {
    MmsSelections lists{manualMode(),
                        selected(Country),
                        selected(Operator),
                        selected(Status),
                        selected(ConnectionKind),
                        internationalNumbers_,
                        quillControls() ? selected(RemoteControlHours) : 0};
    return MmsSettingsToWrite(typed_, lists, session().fileLanguageCode(), session().tvModeByte());
}

std::optional<CardSettings> MmsDialog::cardSettings(const DecodedFile& file) {
    const auto* decoded = std::get_if<MmsDecoded>(&file.content);
    if (!decoded || file.staging || !decoded->settings || !file.valid()) {
        return std::nullopt;
    }
    const MmsCardLoad load = MmsLoadFromCard(*decoded->settings);
    return CardSettings{ConnectionLoadNote(load.manualMode, load.presetDiffers),
                        [this, load] { showCard(load); }};
}

void MmsDialog::showCard(const MmsCardLoad& load) {
    const int mode = load.manualMode ? 1 : 0;
    select(Mode, mode);
    if (mode != shownMode_) {
        showModeLists(mode);
    }
    if (!load.manualMode) {
        select(Country, load.preset.country);
        showOperatorsOf(load.preset.country);
        select(Operator, load.preset.operatorSlot);
    }
    const MmsSettings& s = load.typed;
    select(Status, s.mmsSendMode);
    select(ConnectionKind, s.connectionKind);
    select(NumberKind, s.internationalNumbers);
    internationalNumbers_ = s.internationalNumbers;
    if (quillControls()) {
        select(RemoteControlHours, s.smsRemoteControl);
    }
    typed_ = s;
    states_ = MmsLoadedStates(load.manualMode, smsOnly(), typed_);
    applyFieldStates();
    exchange().show();
}

std::optional<SetupDialog::GenerateProblem> MmsDialog::checkInput() {
    return inTextBox(CheckMmsGenerate(settings(), manualMode()));
}

} // namespace rosmossel
