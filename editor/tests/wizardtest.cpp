#include "editor/cnewdocwizard.h"
#include "editor/cscalecalcdlg.h"
#include "editor/editoroptions.h"
#include "platform/messagebox.h"
#include "platform/registry.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform::ui;

class WizardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::Registry::setStoreFolder(m_store.path());
        newDocumentRequest() = NewDocumentRequest{};
        setMessageResponder([this](const MessageRequest &r) {
            m_messages << r.text;
            return Answer::Ok;
        });
    }
    void TearDown() override
    {
        setMessageResponder({});
        platform::Registry::setStoreFolder({});
    }
    QTemporaryDir m_store;
    QStringList m_messages;
};

TEST_F(WizardTest, FinishWithoutTouchingAnythingGivesANormalPlanAtHalfScale)
{
    platform::Registry reg("Domora");
    CNewDocWizard wizard(reg);
    wizard.restart();
    EXPECT_EQ(wizard.currentId(), CNewDocWizard::WelcomePage);
    wizard.next();
    EXPECT_EQ(wizard.currentId(), CNewDocWizard::TypePage);
    wizard.next();
    EXPECT_EQ(wizard.currentId(), CNewDocWizard::PropertiesPage);
    ASSERT_TRUE(wizard.validateCurrentPage());
    wizard.storeRequest();
    const NewDocumentRequest &r = newDocumentRequest();
    EXPECT_EQ(r.docType, 0);
    EXPECT_EQ(r.fromWizard, 1);
    EXPECT_FLOAT_EQ(r.scale, 0.5f);
    EXPECT_TRUE(r.summaryTitle.isEmpty());
    EXPECT_TRUE(r.summarySubject.isEmpty());
    EXPECT_EQ(reg.readInt("Settings", "WizardNewDocHideWelcome", 7), 0);
}

TEST_F(WizardTest, HiddenWelcomeScaleRangeAndInformation)
{
    platform::Registry reg("Domora");
    {
        CNewDocWizard wizard(reg);
        wizard.restart();
        wizard.findChild<QCheckBox *>("1273")->setChecked(true);
        wizard.next(); // leaving the welcome page forward stores the box
    }
    EXPECT_EQ(reg.readInt("Settings", "WizardNewDocHideWelcome", 0), 1);

    CNewDocWizard wizard(reg);
    wizard.restart();
    EXPECT_EQ(wizard.currentId(), CNewDocWizard::TypePage);
    wizard.findChild<QRadioButton *>("1261")->setChecked(true);
    wizard.findChild<QPushButton *>("1274")->click();
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages[0].startsWith("Informazioni sul tipo di documento\n\nDomora mette"));
    wizard.next();
    auto *scale = wizard.findChild<QLineEdit *>("1269");
    scale->setText("20001");
    m_messages.clear();
    EXPECT_FALSE(wizard.validateCurrentPage());
    EXPECT_EQ(m_messages, QStringList{"Immettere un numero compreso tra 0 e 20000."});
    scale->setText("abc");
    EXPECT_FALSE(wizard.validateCurrentPage());
    scale->setText("20000");
    EXPECT_TRUE(wizard.validateCurrentPage());
    wizard.findChild<QLineEdit *>("1015")->setText("Studio Rossi");
    wizard.storeRequest();
    EXPECT_EQ(newDocumentRequest().docType, 1);
    EXPECT_FLOAT_EQ(newDocumentRequest().scale, 20000.0f);
    EXPECT_EQ(newDocumentRequest().summaryTitle, "Studio Rossi");
}

TEST(ScaleCalculator, ProposesTheScaleThatFitsBothAxes)
{
    const ScaleCalculation normal = ScaleCalculation::forKind(0);
    EXPECT_FLOAT_EQ(*normal.scaleFor(10, 12), 21.0f); // a = 21, b = 24.75
    EXPECT_FALSE(normal.scaleFor(0, 12));
    EXPECT_FALSE(normal.scaleFor(10, 0));
    const ScaleCalculation placard = ScaleCalculation::forKind(1);
    EXPECT_FLOAT_EQ(placard.sheetWidthMm, 150);
    EXPECT_FLOAT_EQ(placard.sheetLengthMm, 100);
    EXPECT_FLOAT_EQ(*placard.scaleFor(10, 10), 10.0f); // equal sides give b

    CScaleCalcDlg dialog(0);
    EXPECT_EQ(dialog.findChild<QLineEdit *>("1080")->text(), "210");
    EXPECT_EQ(dialog.findChild<QLineEdit *>("1272")->text(), "297");
    dialog.setRealSize(10, 12);
    dialog.calculate();
    EXPECT_FLOAT_EQ(dialog.scale(), 21.0f);
    dialog.setRealSize(0, 12);
    dialog.calculate(); // nothing happens
    EXPECT_FLOAT_EQ(dialog.scale(), 21.0f);
}
