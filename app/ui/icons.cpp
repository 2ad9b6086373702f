// The icon resource lives in a static library, where nothing would keep its
// registration linked in: the window registers it before it needs an icon.
#include <QtGlobal>

void kwInitIcons() { Q_INIT_RESOURCE(icons); }
