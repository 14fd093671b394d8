/* Resource ids shared by quantaro.rc and the back end that loads the resources. Plain C, as
   the resource compiler reads it too. */
#pragma once

#define QUANTARO_PROGRAM_ICON 1
