// The values of the launcher's version block, in one place.
#pragma once
#define LAUNCHER_VERSION_BINARY 1, 0, 0, 0
#define LAUNCHER_VERSION_TEXT "1.0.0.0"
#define LAUNCHER_PRODUCT_NAME "岚翎RPG"
#define LAUNCHER_COMPANY_NAME "墨柯"
