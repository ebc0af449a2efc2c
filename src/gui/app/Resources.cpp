#include "app/Resources.h"

#include <QtCore/qglobal.h>

void initObrixResources()
{
    // The pictures drawn at build time: icons, the program's icon, the splash, the About
    // badge and the pictures of players' looks.
    Q_INIT_RESOURCE(obrix_pictures);
    // The editor's translations (obrix_<code>.qm under ":/i18n").
    Q_INIT_RESOURCE(obrix_gui_translations);
}
