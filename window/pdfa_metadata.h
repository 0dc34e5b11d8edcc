#pragma once

#include <QByteArray>
#include <QString>

namespace velmora {

// PDF/A keeps a file's metadata twice, in the document information and in
// an XMP packet, and wants the two to agree. Qt writes the information
// itself, with its own version and the moment it begins the file (and, on
// later versions, more), so the packet is written in two steps around it:
// room for it before, its content from what Qt wrote after.

// The packet to hand Qt before it writes: white space between the packet's
// own markers, as much as the finished packet may take.
QByteArray ReservedXmpPacket();

// Fills the packet reserved in a PDF that Qt wrote with what its document
// information holds, in place, so that no byte before or after the packet
// moves. The author, where the information names none, is the given one.
// False, with the reason, where the file is not as Qt writes one or a
// value cannot be carried.
bool CompleteXmpPacket(QByteArray& pdf, const QString& author, QString* failure);

}  // namespace velmora
