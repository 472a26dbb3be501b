#pragma once

#include "linkresult.h"

class SerialLink;

// Setting → Load Default: sends the load-default byte over the port chosen and
// opened in the Connect dialog.
LinkResult loadDefault(SerialLink& link);
