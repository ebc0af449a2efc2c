#include "app/AboutBox.h"

#include "app/ObrixApp.h"
#include "widgets/AppIcons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace
{
constexpr const char* kDescription = QT_TRANSLATE_NOOP(
    "CAboutBox",
    "A database editor for Golvar: edit its leagues, teams and players, their kits and "
    "skills, move players between clubs and bring in leagues made by other players.");
constexpr const char* kCredits =
    QT_TRANSLATE_NOOP("CAboutBox", "Programming and artwork: the Obrix developers at Brannoc.\n"
                                   "Thanks to everyone who tried the early versions and sent in their leagues.");
} // namespace

CAboutBox::CAboutBox(CObrixApp&, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About Obrix"));

    auto* icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("<b><big>Obrix</big></b>"), this);
    m_version = new QLabel(tr("Version %1").arg(QString::fromLatin1(CObrixApp::kVersion)), this);
    m_version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* description = new QLabel(tr(kDescription), this);
    description->setWordWrap(true);
    auto* credits = new QLabel(tr(kCredits), this);
    credits->setWordWrap(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(m_version);
    texts->addSpacing(8);
    texts->addWidget(description);
    texts->addSpacing(8);
    texts->addWidget(credits);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

void CAboutBox::showAbout(CObrixApp& app, QWidget* parent)
{
    CAboutBox box(app, parent);
    box.exec();
}

QString CAboutBox::versionText() const
{
    return m_version->text();
}
