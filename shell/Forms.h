// The program's ordinary windows besides the main window, made once by the program's entry
// and reached through these pointers (null before they are made and after they are deleted).
// Online play adds its own: the server-line settings, the room list, the proxy settings, the
// avatar chooser (AvatarForm, online/qt/AvatarForm.h) and the connection hint.
#pragma once

class TAboutForm;
class TPopForm;
class TDownForm;
class TLinkDlgForm;
class TClostForm;

extern TAboutForm* AboutForm;
extern TPopForm* PopForm;
extern TDownForm* DownForm;
extern TLinkDlgForm* LinkDlgForm;
extern TClostForm* ClostForm;
