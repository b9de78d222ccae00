// Administrative rights and elevation.
#pragma once

// 1 when the current process has administrative rights, else 0.
int HasAdministratorRights();
