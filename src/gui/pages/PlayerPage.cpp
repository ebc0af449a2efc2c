#include "pages/PlayerPage.h"

#include "app/ObrixApp.h"
#include "editing/PageTexts.h"
#include "editing/PlayerEditSession.h"
#include "util/TextCodec.h"
#include "widgets/AppearanceArt.h"
#include "widgets/FormLabel.h"
#include "widgets/HyperlinkLabel.h"
#include "widgets/ListComboBox.h"
#include "widgets/PictureListBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using pageform::label;
using pageform::tightGrid;

namespace
{
// A skill's box is given its size outright. The toolkit would still measure the lowest
// and highest values, twice over, for a size the layout then bounds to the fixed one.
//
// A typed number outside the scale is taken into the box and handed on when the box is
// confirmed or left, for the session to refuse with the range: the toolkit would drop the
// digit that leaves the scale, so that a typed 17 became a 1 without a word.
class CSkillSpinBox : public QSpinBox
{
public:
    using QSpinBox::QSpinBox;

    std::function<void(int)> outOfRange;

    QSize sizeHint() const override { return sizeIsFixed() ? minimumSize() : QSpinBox::sizeHint(); }
    QSize minimumSizeHint() const override { return sizeIsFixed() ? minimumSize() : QSpinBox::minimumSizeHint(); }

protected:
    QValidator::State validate(QString& input, int& pos) const override
    {
        const QValidator::State state = QSpinBox::validate(input, pos);
        if (state != QValidator::Invalid) return state;
        return typedOutside(input) ? QValidator::Intermediate : state;
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && handOn()) return;
        QSpinBox::keyPressEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        handOn();
        QSpinBox::focusOutEvent(event);
    }

private:
    bool sizeIsFixed() const { return minimumSize() == maximumSize(); }
    // Up to three digits outside the scale: what a user means as a skill, not a slip.
    std::optional<int> typedOutside(const QString& text) const
    {
        bool ok = false;
        const int typed = text.trimmed().toInt(&ok);
        if (!ok || text.trimmed().size() > 3 || (typed >= minimum() && typed <= maximum())) return std::nullopt;
        return typed;
    }
    // The box shows the stored value again before the session says why, so that the
    // message box taking the focus finds nothing left to hand on.
    bool handOn()
    {
        const std::optional<int> typed = typedOutside(lineEdit()->text());
        if (!typed) return false;
        lineEdit()->setText(textFromValue(value()));
        if (outOfRange) outOfRange(*typed);
        return true;
    }
};

}  // namespace

CPlayerPage::CPlayerPage(CObrixApp& app, QWidget* parent) : CEditPage(app, parent)
{
    m_session = std::make_unique<CPlayerEditSession>(app.document(), app.prompts());

    buildIdentity();
    buildLooks();
    buildSkills();
    buildPresets();

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(m_identityGroup);
    left->addWidget(m_looksGroup);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(makeAboutLink(), 0, Qt::AlignHCenter);
    right->addWidget(m_presetsGroup);
    right->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(m_skillsGroup);
    middle->addStretch(1);
    auto* columns = new QHBoxLayout(content());
    columns->setContentsMargins(4, 4, 4, 4);
    columns->setSpacing(4);
    columns->addLayout(left, 3);
    columns->addLayout(middle, 0);
    columns->addLayout(right, 2);

    reload([] {});
}

CPlayerPage::~CPlayerPage() = default;

// Identity: letter, name, number, position, rating, commentary.
void CPlayerPage::buildIdentity()
{
    auto* player = pageform::group(pagetexts::kPlayerGroup, content());
    m_identityGroup = player;
    QGridLayout* grid = tightGrid(player);
    m_letter = new QLineEdit(player);
    m_letter->setFixedWidth(m_letter->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 10);
    m_name = new QLineEdit(player);
    addTextBox(
        m_name, [this](const std::string& typed) { return m_session->commitText(CPlayerField::Name, typed); },
        [this] { return m_session->nameLimit(); });
    addTextBox(
        m_letter, [this](const std::string& typed) { return m_session->commitText(CPlayerField::Letter, typed); },
        [] { return std::size_t(1); });
    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(3);
    nameRow->addWidget(m_letter);
    nameRow->addWidget(m_name, 1);
    grid->addLayout(nameRow, 0, 0, 1, 4);

    auto* number = new CListComboBox(player);
    number->addNumbers(1, CPlayerEditSession::kNumberCount);
    m_number = number;
    m_position = new CListComboBox(player);
    for (int p = 0; p < kPositionCount; ++p) m_position->addItem(QString::fromLatin1(positionLabel(p)));
    grid->addWidget(label(pagetexts::kNumberLabel, player), 1, 0);
    grid->addWidget(m_number, 1, 1);
    grid->addWidget(label(pagetexts::kPositionLabel, player), 1, 2);
    grid->addWidget(m_position, 1, 3);
    connect(m_position, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { commitValue(CPlayerField::Position, index); });
    connect(m_number, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { commitValue(CPlayerField::Number, index); });

    m_rating = new QLineEdit(player);
    m_rating->setReadOnly(true);
    m_rating->setFixedWidth(m_rating->fontMetrics().horizontalAdvance(QStringLiteral("888")) + 12);
    m_commentary = new QCheckBox(pageform::text(pagetexts::kCommentary), player);
    grid->addWidget(label(pagetexts::kRatingLabel, player), 2, 0);
    grid->addWidget(m_rating, 2, 1);
    grid->addWidget(m_commentary, 2, 2, 1, 2);
    // The nationality list is kept, hidden with its label: nothing of the record is behind it.
    m_nationalityLabel = label(pagetexts::kNationalityLabel, player);
    m_nationality = new QComboBox(player);
    m_nationality->setObjectName(QStringLiteral("nationality"));
    fillNationalities();
    // Another game folder may name other countries.
    connect(&m_app.document(), &CDocument::reset, this, &CPlayerPage::fillNationalities);
    grid->addWidget(m_nationalityLabel, 3, 0);
    grid->addWidget(m_nationality, 3, 1, 1, 3);
    m_nationalityLabel->hide();
    m_nationality->hide();
    connect(m_nationality, qOverload<int>(&QComboBox::activated), this,
            [this] { run([this] { m_session->chooseNationality(); }); });
    grid->setColumnStretch(3, 1);
}

void CPlayerPage::fillNationalities()
{
    const CTextEncoding encoding = encodingForLanguage(m_app.db().languageCode());
    m_nationality->clear();
    for (const CNationality& n : nationalityList(m_app.db()))
        m_nationality->addItem(QString::fromStdString(toUtf8(n.name, encoding)), int(n.code));
}

// Looks: three picture lists, then the two colour lists.
void CPlayerPage::buildLooks()
{
    auto* looks = pageform::group(pagetexts::kAppearanceGroup, content());
    m_looksGroup = looks;
    QGridLayout* grid = tightGrid(looks);
    const QSize cell(appearance::kPictureSize, appearance::kPictureSize);
    m_hair = new CPictureListBox(looks);
    // Cut from the strips drawn at build time, as each is first shown.
    const auto stored = [](CAppearanceKind kind) {
        return [kind](int model) { return storedAppearancePicture(kind, model); };
    };
    m_hair->setPictures(appearance::kHairModels, stored(CAppearanceKind::Hair), cell);
    m_face = new CPictureListBox(looks);
    m_face->setPictures(appearance::kFaceModels, stored(CAppearanceKind::Face), cell);
    m_facialHair = new CPictureListBox(looks);
    m_facialHair->setPictures(appearance::kFacialHairModels, stored(CAppearanceKind::FacialHair), cell);
    struct CLook
    {
        const char* caption;
        CPictureListBox* list;
        CPlayerField field;
    };
    const std::array<CLook, 3> lists = {{{pagetexts::kHairLabel, m_hair, CPlayerField::HairStyle},
                                         {pagetexts::kFaceLabel, m_face, CPlayerField::Face},
                                         {pagetexts::kFacialHairLabel, m_facialHair, CPlayerField::FacialHair}}};
    for (int column = 0; column < 3; ++column)
    {
        const CLook& look = lists[std::size_t(column)];
        auto* caption = new CFormLabel(pageform::text(look.caption), looks);
        grid->addWidget(caption, 0, column, Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(look.list, 1, column, Qt::AlignHCenter | Qt::AlignTop);
        connect(look.list, &CPictureListBox::valueChanged, this,
                [this, field = look.field](int value) { commitValue(field, value); });
    }
    m_skin = new CListComboBox(looks);
    for (const CCommentedText& text : pagetexts::kSkinColours) m_skin->addItem(pageform::text(text));
    m_hairColour = new CListComboBox(looks);
    for (const CCommentedText& text : pagetexts::kHairColours) m_hairColour->addItem(pageform::text(text));
    connect(m_skin, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { commitValue(CPlayerField::SkinColour, index); });
    connect(m_hairColour, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { commitValue(CPlayerField::HairColour, index); });
    auto* colourForm = new QGridLayout;
    colourForm->setHorizontalSpacing(4);
    colourForm->setVerticalSpacing(2);
    colourForm->addWidget(label(pagetexts::kSkinColourLabel, looks), 0, 0);
    colourForm->addWidget(m_skin, 0, 1);
    colourForm->addWidget(label(pagetexts::kHairColourLabel, looks), 1, 0);
    colourForm->addWidget(m_hairColour, 1, 1);
    colourForm->setColumnStretch(1, 1);
    grid->addLayout(colourForm, 2, 0, 1, 3);
}

// Skills: a spin box per skill, stepped by its arrows or typed into. A typed value is
// committed when Enter is pressed or the box is left, not at each digit, so "12" is one
// step and never passes through 1.
void CPlayerPage::buildSkills()
{
    auto* skills = pageform::group(pagetexts::kSkillsGroup, content());
    m_skillsGroup = skills;
    QGridLayout* grid = tightGrid(skills);
    grid->setVerticalSpacing(1);
    grid->setContentsMargins(6, 2, 6, 2);
    const int spinWidth = skills->fontMetrics().horizontalAdvance(QStringLiteral("888")) + 34;
    for (int i = 0; i < CPlayer::kSkillCount; ++i)
    {
        auto* spin = new CSkillSpinBox(skills);
        spin->setRange(playerpresets::kLowestSkill, playerpresets::kHighestShownSkill);
        spin->setKeyboardTracking(false);
        spin->setAlignment(Qt::AlignRight);
        // Thirteen rows must fit the sheet's default height.
        spin->setFixedSize(spinWidth, 20);
        grid->addWidget(label(pagetexts::kSkillLabels[std::size_t(i)], skills), i, 0);
        grid->addWidget(spin, i, 1);
        m_skills[std::size_t(i)] = spin;
        connect(spin, qOverload<int>(&QSpinBox::valueChanged), this,
                [this, i](int value) { commitValue(CPlayerField::Skill, value, i); });
        spin->outOfRange = [this, i](int typed) { commitValue(CPlayerField::Skill, typed, i); };
    }
}

// One row for each kind of player, star, good and average side by side, so that a row
// never pairs two kinds; the button's whole name is its tool tip.
void CPlayerPage::buildPresets()
{
    auto* presets = pageform::group(pagetexts::kPresetsGroup, content());
    m_presetsGroup = presets;
    QGridLayout* grid = tightGrid(presets);
    for (int kind = 0; kind < 4; ++kind)
    {
        grid->addWidget(label(pagetexts::kPresetKinds[std::size_t(kind)], presets), kind, 0);
        for (int level = 0; level < 3; ++level)
        {
            const int preset = kind * 3 + (2 - level);
            auto* button = new QPushButton(pageform::text(pagetexts::kPresetLevels[std::size_t(level)]), presets);
            button->setToolTip(pageform::text(playerpresets::presetName(preset)));
            button->setAccessibleName(button->toolTip());
            grid->addWidget(button, kind, 1 + level);
            m_presets[std::size_t(preset)] = button;
            connect(button, &QPushButton::clicked, this,
                    [this, preset] { run([this, preset] { m_session->applyPreset(preset); }); });
        }
    }
    m_maxAttributes = new QPushButton(pageform::text(pagetexts::kMaxAttributes), presets);
    m_resetAll = new QPushButton(pageform::text(pagetexts::kResetAll), presets);
    grid->addWidget(m_maxAttributes, 4, 0, 1, 2);
    grid->addWidget(m_resetAll, 4, 2, 1, 2);
    // Compact buttons, a little wider than their text: the style's own minimum width would
    // make the grid wider than the page. (Sized here rather than by a style sheet, which
    // gave each button a style of its own to build and paint with.)
    const QFontMetrics metrics = presets->fontMetrics();
    QHash<QString, int> textWidths;  // four rows of the same three words
    for (QPushButton* button : presets->findChildren<QPushButton*>())
    {
        button->setAutoDefault(false);
        auto width = textWidths.find(button->text());
        if (width == textWidths.end()) width = textWidths.insert(button->text(), metrics.horizontalAdvance(button->text()));
        button->setMaximumSize(*width + 14, metrics.height() + 8);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    connect(m_maxAttributes, &QPushButton::clicked, this, [this] { run([this] { m_session->maxAttributes(); }); });
    connect(m_resetAll, &QPushButton::clicked, this, [this] { run([this] { m_session->resetAll(); }); });
}

void CPlayerPage::commitValue(CPlayerField field, int value, int skill)
{
    run([this, field, value, skill] { m_session->commitValue(field, value, skill); });
}

void CPlayerPage::selectPlayer(uint32_t playerId)
{
    m_session->setListedTeam(m_app.document().currentTeam());
    run([this, playerId] { m_session->selectPlayer(playerId); });
}

void CPlayerPage::showPlayer(uint32_t playerId)
{
    m_session->setListedTeam(m_app.document().currentTeam());
    reload([this, playerId] { m_session->showPlayer(playerId); });
}

void CPlayerPage::clearPage()
{
    reload([this] { m_session->clearPage(); });
}

uint32_t CPlayerPage::playerShown() const { return m_session->state().enabled ? m_session->shownPlayer() : 0; }

void CPlayerPage::showState()
{
    const CPlayerPageState& s = m_session->state();
    m_name->setText(shownText(s.name));
    m_letter->setText(shownText(s.letter));
    m_number->setCurrentIndex(s.numberIndex);
    m_position->setCurrentIndex(s.positionIndex);
    m_hair->setValue(s.hairStyle);
    m_face->setValue(s.face);
    m_facialHair->setValue(s.facialHair);
    m_skin->setCurrentIndex(s.skinColour);
    m_hairColour->setCurrentIndex(s.hairColour);
    for (std::size_t i = 0; i < m_skills.size(); ++i) m_skills[i]->setValue(s.skills[i]);
    m_rating->setText(s.enabled ? QString::number(s.rating) : QString());
    m_commentary->setChecked(s.commentary);
    m_name->setToolTip(QString::fromStdString(m_session->nameToolTip(encoding())));

    std::vector<QWidget*> editing = {m_letter, m_name, m_number, m_position, m_nationality, m_hair, m_face,
                                     m_facialHair, m_skin, m_hairColour, m_maxAttributes, m_resetAll};
    editing.insert(editing.end(), m_skills.begin(), m_skills.end());
    editing.insert(editing.end(), m_presets.begin(), m_presets.end());
    for (QWidget* w : editing) w->setEnabled(s.enabled);
    m_rating->setEnabled(s.enabled);
    m_commentary->setEnabled(false);
}
