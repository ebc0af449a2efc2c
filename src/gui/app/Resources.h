#pragma once

// Registers the pictures and pages compiled into the program. The GUI is a static
// library, so its resources are only linked in when something calls this.
void initObrixResources();
