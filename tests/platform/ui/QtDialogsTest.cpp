#include <gtest/gtest.h>

#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/ui/QtDialogs.h"

// A bare name saved under the JPEG filter must not get the bitmap's
// extension the dialog opened with.
TEST(QtDialogs, TheExtensionAddedToABareNameFollowsTheChosenFilter) {
    QTemporaryDir folder;
    platform::FileDialogRequest request;
    request.filters = {QStringLiteral("ビットマップ (*.bmp)"),
                       QStringLiteral("JPEG イメージファイル (*.jpg *.jpeg)")};
    request.defaultExtension = QStringLiteral("bmp");
    request.folder = folder.path();
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    platform::prepareFileDialog(dialog, request, true);
    dialog.selectNameFilter(request.filters[1]);
    emit dialog.filterSelected(request.filters[1]);  // as the dialog's filter box does
    dialog.selectFile(QStringLiteral("pic2"));
    ASSERT_FALSE(dialog.selectedFiles().isEmpty());
    EXPECT_EQ(QFileInfo(dialog.selectedFiles().first()).fileName(), QStringLiteral("pic2.jpg"));

    emit dialog.filterSelected(request.filters[0]);
    EXPECT_EQ(QFileInfo(dialog.selectedFiles().first()).fileName(), QStringLiteral("pic2.bmp"));
}
