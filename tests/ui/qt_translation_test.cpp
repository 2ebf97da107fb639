#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "ui/qttranslation.h"

namespace {

// Qt's texts in Thai while a test runs, English again after it, so the other tests of
// this program see Qt as they always have.
class QtInThai : public ::testing::Test {
protected:
    void SetUp() override {
        translator = mx::ui::installQtThaiTranslation(*QCoreApplication::instance());
        ASSERT_NE(translator, nullptr) << "qt_th.qm was not found";
    }
    void TearDown() override {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    QTranslator* translator = nullptr;
};

}  // namespace

// The standard buttons of the program's own questions.
TEST_F(QtInThai, StandardButtonsOfAQuestion) {
    const struct {
        QMessageBox::StandardButton button;
        const char* text;
    } cases[] = {
        {QMessageBox::Ok, "ตกลง"},        {QMessageBox::Cancel, "ยกเลิก"},      {QMessageBox::Yes, "ใช่(&Y)"},
        {QMessageBox::No, "ไม่(&N)"},      {QMessageBox::Save, "บันทึก"},        {QMessageBox::Discard, "ไม่บันทึก"},
        {QMessageBox::Close, "ปิด"},       {QMessageBox::Open, "เปิด"},
    };
    QMessageBox box;
    for (const auto& c : cases) box.addButton(c.button);
    for (const auto& c : cases) EXPECT_EQ(box.button(c.button)->text().toStdString(), c.text);
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().toStdString(), "ยกเลิก");
}

// Qt's own save dialog: its captions, its Save button and its overwrite question.
TEST_F(QtInThai, FileDialog) {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto label = [&](const char* name) { return dialog.findChild<QLabel*>(QString::fromLatin1(name))->text().toStdString(); };
    EXPECT_EQ(label("lookInLabel"), "ค้นหาใน:");
    EXPECT_EQ(label("fileNameLabel"), "ชื่อไฟล์(&N):");
    EXPECT_EQ(label("fileTypeLabel"), "ชนิดไฟล์:");
    auto* box = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->button(QDialogButtonBox::Save)->text().toStdString(), "บันทึก(&S)");
    EXPECT_EQ(box->button(QDialogButtonBox::Cancel)->text().toStdString(), "ยกเลิก");
    // The texts of the other dialogs, each under the exact source text Qt 6.4 asks for.
    const struct {
        const char *context, *source, *thai;
    } texts[] = {
        {"QFileDialog", "%1 already exists.\nDo you want to replace it?", "%1 มีอยู่แล้ว\nต้องการเขียนทับไฟล์นี้หรือไม่?"},
        {"QPrintPreviewDialog", "Print Preview", "ตัวอย่างก่อนพิมพ์"},
        {"QPrintDialog", "&Print", "พิมพ์(&P)"},
        {"QProgressDialog", "Cancel", "ยกเลิก"},
        {"QLineEdit", "&Paste", "วาง(&P)"},
    };
    for (const auto& t : texts) EXPECT_EQ(QCoreApplication::translate(t.context, t.source).toStdString(), t.thai);
}
