#pragma once
// The editor's three windows as the program makes them, with scripted
// dialogs, a recording printer, and HOME pointing at a temporary folder
// so that the picture folder lands there.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <memory>

#include "editor/ui/PictureEditorWindow.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/ResizePictureDialog.h"
#include "platform/pictures/ProgramIcon.h"
#include "platform/ui/AboutDialog.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/core/RecordingPrintTarget.h"

namespace editortest {

class EditorWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        savedHome = qgetenv("HOME");
        savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toUtf8());
        QDir(home.path()).mkpath(QStringLiteral("Desktop"));
        makeWindows({});
    }

    void TearDown() override {
        resize.reset();
        about.reset();
        form.reset();
        qputenv("HOME", savedHome);
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }

    void makeWindows(const QStringList& arguments) {
        resize.reset();
        about.reset();
        form = std::make_unique<editor::PictureEditorWindow>(dialogs, printer, arguments);
        about = std::make_unique<platform::AboutDialog>(editor::PictureEditorWindow::aboutText(),
                                                        platform::programIcon());
        resize = std::make_unique<editor::ResizePictureDialog>(*form, dialogs);
        form->setCompanions(about.get(), resize.get());
    }

    QString pictureFolder() const { return home.filePath(QStringLiteral("Desktop/はがき画像/")); }
    QString tempFile() const { return pictureFolder() + QStringLiteral("_.bmp"); }
    QString path(const QString& name) const { return home.filePath(name); }

    editor::PictureView* image() const {
        return form->findChild<editor::PictureView*>(QStringLiteral("Image1"));
    }
    QAction* act(const char* name) const { return form->action(name); }
    template <typename T>
    T* child(const char* name) const {
        return form->findChild<T*>(QLatin1String(name));
    }

    // A mouse event on the picture, with the buttons held after it.
    void mouse(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* w = image();
        QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, held, modifiers);
        QApplication::sendEvent(w, &e);
    }
    void click(QPoint pos, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        mouse(QEvent::MouseButtonPress, pos, button, button, modifiers);
        mouse(QEvent::MouseButtonRelease, pos, button, Qt::NoButton, modifiers);
    }
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        mouse(QEvent::MouseButtonPress, from, button, button);
        mouse(QEvent::MouseMove, to, Qt::NoButton, button);
        mouse(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
    }

    QTemporaryDir home;
    QByteArray savedHome, savedConfig;
    testsupport::ScriptedDialogs dialogs;
    testsupport::RecordingPrintTarget printer;
    std::unique_ptr<editor::PictureEditorWindow> form;
    std::unique_ptr<platform::AboutDialog> about;
    std::unique_ptr<editor::ResizePictureDialog> resize;
};

}  // namespace editortest
