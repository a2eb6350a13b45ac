#pragma once
// What the body page's status line says, and in which colour, for each state
// of the body document.

#include <QColor>
#include <QString>

namespace message {

struct BodyStatus {
    QString text;
    QColor colour;
    bool operator==(const BodyStatus& o) const { return text == o.text && colour == o.colour; }
};

BodyStatus newBodyStatus();
BodyStatus modifiedBodyStatus();
// Just saved: the body file's name without its folder.
BodyStatus savedBodyStatus(const QString& bodyPath);
// Just opened, a text or a picture: both names without folders, either may
// be empty.
BodyStatus openedBodyStatus(const QString& bodyPath, const QString& picturePath);

}  // namespace message
