// The mirror-choice dialog: names in the given order, nothing selected at first, "Next"
// usable only with a selected row, and no way out without a choice.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>

#include "orrix/fwupMirrorChoose.h"
#include "tests/orrix_ui/modal_script.h"

namespace {

using vxtest::Find;

TEST(MirrorChoose, ReturnsTheSelectedRowOnceNextIsUsable) {
  vxtest::ModalScript script;
  QStringList rows;
  bool nextAtFirst = true, selectedAtFirst = true, openAfterEsc = false, openAfterDisabledNext = false;
  script.Then("frmMirrorChoose", [&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Choose a mirror");
    auto* list = Find<QListWidget>(dialog, "lbMirrors");
    auto* next = Find<QPushButton>(dialog, "buNext");
    ASSERT_TRUE(list && next);
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    EXPECT_EQ(next->text(), "Next");
    nextAtFirst = next->isEnabled();
    selectedAtFirst = !list->selectedItems().isEmpty();
    qobject_cast<QDialog*>(dialog)->reject();
    openAfterEsc = dialog->isVisible();
    next->click();
    openAfterDisabledNext = dialog->isVisible();
    list->setCurrentRow(2);
    EXPECT_TRUE(next->isEnabled());
    next->click();
  });
  const int chosen = vx::ChooseMirror({"Europe", "America", "Asia (Tokyo)"});
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(rows, QStringList({"Europe", "America", "Asia (Tokyo)"}));
  EXPECT_FALSE(nextAtFirst);
  EXPECT_FALSE(selectedAtFirst);
  EXPECT_TRUE(openAfterEsc);
  EXPECT_TRUE(openAfterDisabledNext);
  EXPECT_EQ(chosen, 2);
}

TEST(MirrorChoose, NamesInEitherEncodingShowTheirUmlauts) {
  vxtest::ModalScript script;
  QStringList rows;
  script.Then("frmMirrorChoose", [&](QWidget* dialog) {
    auto* list = Find<QListWidget>(dialog, "lbMirrors");
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    list->setCurrentRow(0);
    vxtest::Click(dialog, "buNext");
  });
  EXPECT_EQ(vx::ChooseMirror({"M\xc3\xbcnchen", "Z\xfcrich"}), 0);
  EXPECT_EQ(rows, QStringList({QString::fromUtf8("München"), QString::fromUtf8("Zürich")}));
}

}  // namespace
