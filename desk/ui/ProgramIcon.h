// The program icon of vanedesk: the browse button's opened-folder picture
// (as in the Windows icon resource), at 16 and 32 pixels.
#pragma once

#include <QIcon>

namespace vane::desk {

QIcon program_icon();

}  // namespace vane::desk
