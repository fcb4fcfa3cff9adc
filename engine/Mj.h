// The table: one object for the life of the program.  It owns the four seats, its renderer
// (with the desk grid of discards), the wall, the scorer and the computer player, the table's
// timers, buttons, chat windows and link labels, every bitmap dialog, the sound object and the
// music, and runs every offline hand: a new game and its hands (MjDeal.cpp), the turn flow
// (MjFlow.cpp, MjDiscard.cpp), claims and kongs (MjClaims.cpp), wins and payment (MjWin.cpp),
// timer ticks (MjTimers.cpp), the claim buttons (MjButtons.cpp), settings (MjOptions.cpp), its
// making and tearing down (MjConstruct.cpp, MjWidgets.cpp, MjDialogSet.cpp) and the files it
// reads when it is made (MjDataFiles.cpp).
//
// The display (its set-up, frames, flights, the dice and the logo) is reached through one
// TablePresentation; with none given the table runs headless and composes no frame.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "rules/MjPlayer.h"
#include "rules/MjTimer.h"
#include "engine/TableButtons.h"
#include "engine/TablePresentation.h"
#include "graphics/DeskGrid.h"
#include "graphics/FrameDialogs.h"
#include "graphics/MjDraw.h"
#include "online/AvatarDownloads.h"
#include "ui/BitButtonArray.h"
#include "ui/DxLinkLabel.h"
#include "rules/GbHu.h"
#include "rules/MjAi.h"
#include "rules/WildTile.h"

// One pending claim on the current discard, or one option of the user's own turn.
struct ClaimInfo {
    std::uint8_t seat;
    std::uint8_t kind;      // ClaimKind
    std::uint8_t claimed;   // the claim is made
    std::uint8_t declined;  // the claim is given up
};

enum ClaimKind : std::uint8_t {
    kClaimWin = 2,
    kClaimKong = 3,
    kClaimPung = 4,
    kClaimChow = 5,
};

constexpr int kMaxClaims = 16;

// The table's own timers; the seats' are 10 + seat (portrait), 14 + seat, 18 + seat (caption).
enum TableTimerId : unsigned {
    kTimerStep = 1,           // deal steps, the next turn, the dice steps (by step mode)
    kTimerReveal = 2,         // hides the hands the show item revealed
    kTimerDiscardCount = 3,   // online: the discard countdown
    kTimerClaimCount = 4,     // online: the claim countdown
    kTimerBlink = 5,          // online: the blink phase
    kTimerIdle = 6,           // portrait phase, music restart, caret, avatars
    kTimerKeepAlive = 7,      // online: keep-alive records
    kTimerClaims = 8,         // resolves the claims on a discard
    kTimerPung = 9,           // completes a computer seat's pung
    kTimerCountdown = 100,    // the shown countdown
    kTimerFlower = 101,       // the pause before a flower's replacement
    kTimerComputerTurn = 102, // a computer seat's discard
    kTimerDice = 103,         // between the dice throws and the deal
    kTimerDrawFlight = 104,   // steps the flight of a drawn tile
    kTimer105 = 105,          // nothing starts it
    kTimerLinks = 106,        // the link labels
    kTimerReadyDraw = 107,    // a ready user's drawn tile before it is played
};

constexpr int kTableTimerCount = 17;
constexpr unsigned kFaceTimerBase = 10;
constexpr unsigned kWaitTimerBase = 14;
constexpr unsigned kActionTimerBase = 18;

// Step modes of timer 1.
enum StepMode : std::uint8_t {
    kStepDeal = 0,
    kStepNextTurn = 3,
    kStepDice = 4,
};

// Hand states.
enum HandState : std::uint8_t {
    kNoHand = 0,
    kHandRunning = 1,
    kHandOver = 2,
};

constexpr int kWallTiles = 144;
// Seconds of the online discard and claim countdowns.
constexpr int kOnlineCountdown = 10;
// The record the table sends to the game server is 129 bytes.
constexpr int kOutgoingRecordBytes = 129;
constexpr int kWallStacks = 72;
constexpr int kSeats = 4;

// One line of the server directory.
struct DirServerInfo {
    char host[50];
    char name[50];
    int port;
};
constexpr int kMaxDirServers = 5;


class CMj;
struct SavedGame;
class CDxEdit;
class CDxGameChatWnd;
class CDxLinkLabel;

// The text links under the table.
constexpr int kMaxLinkLabels = 10;


// The rules in force: the win minimum (8 Official, 0 the other family), the wild-tile rule and
// the wild tile of the hand.  The scorer, the computer player and the seats hold copies.
extern int MinFan;
extern std::uint8_t bWildRule;
extern tagMj WildTile;

extern DirServerInfo DirServer[kMaxDirServers];
extern int ServerNum;
extern int nServerIndex;

// The one table (null until the main window makes it); the bitmap dialog that takes input and
// is drawn over the table (0 none, 1 score sheet, 2 options, 6 save slots, 7 new-game
// confirmation, 8 names and rules, 9 item choice, 10 lobby, 11 start mode, 12 login, 13 sign-up,
// 14 invitation, 18 server-line chooser); the program is closing; the message box and the
// invitation prompt are shown; the help flag of the settings.
extern CMj* pMj;
extern int nActiveForm;
extern std::uint8_t bAppClosing;
extern std::uint8_t bHelp;
// The background music should be playing.
extern std::uint8_t bMusicPlaying;

class CMj {
public:
    // Builds the table; `presentation` (not owned) draws it, null runs it headless.
    explicit CMj(TablePresentation* presentation = nullptr);
    ~CMj();
    CMj(const CMj&) = delete;
    CMj& operator=(const CMj&) = delete;

    // --- Seats, renderer, buttons, wall and turn -----------------------------------------
    CMjPlayer Player[kSeats];
    CMjDraw renderer;          // owned by the table; its owner is this table
    CBitButtonArray buttons;   // the 31 table buttons, id = index (TableButtons.h)
    std::uint8_t wall[kWallTiles];          // tile indexes in drawing order
    std::uint8_t shuffleorder[kWallTiles];  // where the next shuffle starts from
    std::uint8_t stackheight[kWallStacks];  // tiles left in each wall stack on screen
    tagMj curmj{};             // the current discard, the tile under claim
    int curplayer = 0;         // seat whose turn it is; -1 once a seat has won
    int dealer = 0;
    int handdealer = 0;        // the dealer of the running hand
    int quanfeng = 1;          // prevailing wind 1..4
    int taken = -1;            // wall index of the last tile taken
    int backtaken = 0;         // tiles taken from the back end of the wall
    int changchengstart = 0;   // stack where the front of the wall begins
    int lastfront = 0;         // stack last marked by a front draw
    tagMj lastdrawn{};         // the latest tile drawn from the wall
    int dice[2] = {1, 1};
    std::uint8_t secondthrow = 0;
    int thrower = 0;           // seat of the second throw
    int dealseat = 0;          // seat receiving the next group of the deal
    std::uint8_t stepmode = 0;
    std::uint8_t maydiscard = 0;   // the user may pick a discard
    std::uint8_t chosen = 0;       // the user's discard has been picked
    std::uint8_t nodraw = 0;       // the turn came through a pung or chow
    std::uint8_t readyarmed = 0;   // the user's next discard declares ready
    std::uint8_t claimpending = 0; // claim buttons up with a claim enabled
    std::uint8_t state = kNoHand;
    int seen[kTileKeyCount] = {};  // tiles visible to all, by TileKey
    int pungseat = 0;              // whose pung ExecutePung completes
    std::uint8_t comprob = 0;      // a computer seat can rob the kong under way
    std::uint8_t userrob = 0;      // the user can rob it
    int robber = -1;               // computer seat waiting to rob while the user decides
    int flowerseat = 0;            // seat whose flower is being replaced
    int flowertick = 0;            // ticks of the flower pause
    int readyframe = 0;            // frames of a ready user's drawn tile
    std::uint8_t deskhidden[kDeskCells] = {};  // desk cells holding a face-down discard
    std::uint8_t exchangemode = 0;
    int mousex = 0, mousey = 0;
    ClaimInfo claims[kMaxClaims] = {};
    int claimnum = 0;

    // --- Rules ----------------------------------------------------------------------------
    int wildkind = kWildNextTile;
    tagMj indicator{1, 4};         // the wild-tile indicator on the table
    int skipflowers = 0;           // flowers that left the wall beside the indicator
    int unit = 1;                  // points per fan

    // --- Options --------------------------------------------------------------------------
    std::uint8_t brood = 0;
    std::uint8_t rain = 0;
    std::uint8_t soundon = 1;
    std::uint8_t animate = 1;
    std::uint8_t musicon = 0;
    std::uint8_t musicwanted = 0;
    std::uint8_t voiceon = 0;
    int claimdelay = 50;           // interval of timer 8

    // --- Timers and display state ---------------------------------------------------------
    int countdown = 0;
    int countdowncopy = 0;
    int linkpair = 0;
    int linkcount = 2;
    int portraitphase = 0;
    std::uint8_t blink = 0;
    std::uint8_t netgame = 0;
    int variant = 1;
    tagMj variant4tile{1, 4};

    CGbHu hu;      // the scorer
    CMjAi ai;      // one computer player for seats 1..3

    // --- Widgets drawn with the table: what the renderer draws.  The construction points
    // them at the table's own widgets; null draws nothing. ---------------------------------
    CDxEdit* chatedit = nullptr;             // the table's one-line chat input
    CDxGameChatWnd* chatlog = nullptr;       // the table chat window
    CDxGameChatWnd* phraselist = nullptr;    // the quick-chat phrases, one a line
    CDxLinkLabel* links[kMaxLinkLabels] = {};  // text links under the table, linkcount in use

    // --- Construction and display ---------------------------------------------------------
    // The start-up logo fades in; returns once it has.
    void ShowBanner() { presentation_->ShowBanner(); }
    // Composes and presents a frame; while frames are held it only notes that one is wanted.
    void Redraw();
    // The link holds the frames of the records of one read: a lobby record's always, a table
    // record's while more records wait behind it (the table is behind the server, so the
    // frames in between, a tile's flight among them, are skipped).  Releasing draws the one
    // frame that was wanted.
    void HoldFrames(bool recordsWaiting);
    void ReleaseFrames();
    CMjTimer* Timer(unsigned id) const;
    CBitButton& Button(int id) { return *buttons.GetButton(id); }
    TablePresentation& Presentation() { return *presentation_; }
    void PlayWave(const char* gbkName);
    void PlayMusic();
    void StopMusic();
    void MusicOff();
    std::uint8_t GetMusic() const { return musicon; }
    void SetMusic(std::uint8_t on);
    // Server directory from Dirconfig.ini, and the phrases of Chat.txt into the phrase list,
    // from a game path.
    void ReadDirServers(const std::string& gbkPath);
    void ReadChatPhrases(const std::string& gbkPath);

    // --- Options (SET.ini) ----------------------------------------------------------------
    void ReadOptions(const std::string& gbkPath);
    void WriteOptions(const std::string& gbkPath);
    void SetSound(std::uint8_t on) { soundon = on; }
    void SetAnimate(std::uint8_t on) { animate = on; }
    std::uint8_t GetAnimate() const { return animate; }
    std::uint8_t GetBrood() const { return brood; }
    void SetPlayerName(const char* gbkText);
    void ChangeDisplayMode() {}
    int GetCountdown() const;

    // --- Game and hand --------------------------------------------------------------------
    void NewGame();
    void StartHand();
    void ShuffleAndDeal();
    void StartAnimStep();
    void DealStep();
    void SetStepMode(std::uint8_t mode);
    void TakeWallFront();
    void TakeWallBack();
    bool ReplaceAllFlowers();

    // --- Turn flow ------------------------------------------------------------------------
    void GiveMj(bool skipDraw);
    void TakeDrawnTile();
    void Discard();
    void ResolveClaims();
    void NextTurn();
    void AutoDiscard();
    int NextPlayer();
    static int NextSeat(int seat) { return (seat + 1) % kSeats; }
    int GetCurPlayer() const { return curplayer; }
    bool IsNetGame() const { return netgame != 0; }
    bool CanTing(int seat, const tagMj* tiles, int count);
    bool ReplaceFlower(int seat);
    // The seat's drawn flower waits for its replacement (timer 101 runs for it).
    bool FlowerPending(int seat) const;
    static bool WildEqual(const tagMj& a, const tagMj& b);

    // --- Claims ---------------------------------------------------------------------------
    void ClaimPung(int seat);
    void ExecutePung();
    void ClaimChow(int seat);
    void ClaimKong(int seat);
    void AddKong(const tagMj& tile, int seat);
    void PassClaim(int seat);
    void OnChowButton();
    void OnPungButton();
    void OnKongButton();
    void OnHuButton();
    void OnPassButton();
    // A click on table button `id` (the release inside it).
    void OnButtonClick(int id);

    // --- Win and payment ------------------------------------------------------------------
    void DeclareWin(int winner);
    void PayScore(int winner, int fan, bool selfDrawn, int payer);

    // --- Timers, table operations ---------------------------------------------------------
    void OnTimer(unsigned id);
    CMjPlayer* GetPlayer(int seat) { return &Player[seat]; }
    void ShowAllHands(bool show);
    void ShowClaimButtons(bool show);
    void ResetTable();

    // --- Input (MjInput.cpp): the window's mouse and keys, routed to a shown message box,
    // a shown invitation prompt, the active dialog, or the table --------------------------
    // `right` is 1 for the right button; the last argument is always 1.
    void OnLButtonDown(int x, int y, int right, int one);
    void OnMouseMove(int x, int y);
    void OnLButtonUp(int x, int y);
    void OnKeyPress(int character);
    void OnKeyDown(int vk);
    void OnKeyUp(int vk);

    // --- Items (MjItems.cpp): show all hands (F1), hide the next discard (F3), exchange
    // tiles (F7, then button 11) --------------------------------------------------------
    void UseShowItem();
    void UseHideItem();
    void UseExchangeItem();
    void ExchangeTiles();

    // --- Saved games (MjSaveGame.cpp) and the dialogs' operations (MjDialogs.cpp) ---------
    // The file the game is saved to when the user leaves it (a slot file, or the file it was
    // loaded from); empty: none yet.
    std::string savefile;
    // Why a game did not go to its file: not the moment to save (a running hand that is not at
    // the user's discard turn), or the file could not be written.
    enum class SaveRefusal { None, NotNow, WriteFailed };
    // Writes the game to the file when it is the moment, saying nothing.
    SaveRefusal WriteProgress(const std::string& gbkPath);
    // False when refused (a running hand that is not at the user's discard turn: the message
    // box says so) or when the file cannot be written (a message box says so).
    bool SaveProgress(const std::string& gbkPath);
    // SaveProgress to the game's own file; true at once when it has none.
    bool SaveToItsFile();
    // True when the file was read and its game resumed.  A missing file answers false at once
    // and silently; a damaged one (another signature, a wrong size, a field out of range) is
    // reported and changes nothing.
    bool LoadProgress(const std::string& gbkPath);
    // Leaves the offline game: saved to its file, then back to the save slots.
    void QuitGame();
    // The program is closing: an offline game on the table is saved to its file as leaving it
    // saves it.  When it cannot be saved, one question over the main window says why and asks
    // whether to end without saving (the file keeps its last good save).  False keeps the
    // table; true when saved, answered yes, or when no game is on the table.
    bool SaveGameOnClose();
    // The pre-deal items of the item dialog, and the deal after it.
    void ApplySuitItem();
    void ApplyPairItem();
    void BeginDeal();

    // The message box over the table with a text (GBK); the dialog of an id becomes the one
    // shown.
    void ShowMessageForm(const char* gbkText);
    void ShowDialog(int id);

    // --- Online play (online/): the table's records and its switch to online play and back
    int ownseat = 0;  // the user's server seat
    std::uint8_t outmsg[kOutgoingRecordBytes] = {};  // the record the table sends
    // One received record (129 bytes), by its type.
    void OnGameMsg(const std::uint8_t* record);
    // The table plays online from the login on, and offline again when the link ends.
    void NetStart();
    void NetGameEnded();
    int ServerSeatToLocal(int serverSeat) const;
    void ClearOutgoingRecord();
    // Sends the outgoing record on the link, or to `recordsink` when one is set (a table
    // without the link: tests, the fuzz target, the test server's own table view).
    void SendOutgoingRecord();
    std::function<void(const std::uint8_t* record)> recordsink;
    // Timer 7's tick.
    void SendKeepAlive();
    // A timer that is none of the table's: true when an online dialog's timer took it.
    bool OnOnlineTimer(unsigned id);
    // The sign-up link, whose failure brings the link notices, is open.
    bool NoticeLinkActive() const;
    void ShowNextLinkPair();
    // The user's choices sent to the server: the selected tile as a discard; an action
    // (0 pass, 2 pung, 3 kong, 4 win, 5 chow); the request to start a hand; the answer to the
    // piao prompt of table variant 2.
    void SendDiscard();
    // A ready hand changes no more: its drawn tile (the last hand tile when none was drawn) goes
    // out as the discard.
    void SendReadyDiscard();
    void SendAction(int action);
    void SendStart();
    void SendPiaoAnswer(bool yes);
    // Leaving an online table (the menu, the close button, the score sheet).
    void QuitOnlineTable();
    std::uint8_t seated = 0;        // online: the user sits at a table
    std::uint8_t discardshown = 0;  // online: a discard lies on show in front of discardseat
    int discardseat = 0;
    int saveddealer = -1;           // online: the dealer of the last SC_DICE
    std::uint8_t restorehalf = 0;   // online: the first restore record came, the rivers wait
    std::uint8_t restoreturn = 0;   // online: the restored user discards once the rivers came
    int markedcount = 0;            // online variant 4: marked tiles in the user's hand

    // --- Avatars (online/MjAvatars.cpp): the server's avatar records, the downloads queued,
    // and the download thread's tables.  NetStart empties the lists and starts the thread once.
    std::vector<GetAvatar> AvatarInfoList;     // at most one per user name, in arrival order
    std::vector<GetAvatar> AvatarRequestList;  // downloads queued, at most one per user name
    CAvatarDownloads avatarDownloads;
    // SC_AVATAR_INFO.
    void HandleAvatarInfo(const std::uint8_t* record);
    // True when the cached picture is there and matches; otherwise queues its download (once
    // per name) and answers false.
    bool EnsureAvatar(const GetAvatar& avatar);
    // For drawing code: EnsureAvatar of the record of that id; false when there is none.
    bool FindPendingAvatar(std::int32_t id);
    // The user id of a name in the room's user list; 0 when the name is not listed.
    std::int32_t AvatarIdOf(const char* gbkName) const;
    // Timer 6: one finished download is shown (the lobby's own picture, the seats of that user).
    void TakeFinishedAvatar();
    // Timers 5 and 6: the caret of the focused edit field of the active dialog (the names
    // dialog, the login or the sign-up) and of the table's chat input changes phase.
    void ToggleCarets();

private:
    // Construction helpers.
    void CreateTimers();
    void SetUpSeatTimers();
    void SetUpSeats();
    void CreateChatWindows();
    void SetUpLinkLabels();
    void DeleteChatWindows();
    void SetUpButtons();
    void CreateDialogs();
    void DeleteDialogs();
    void SpreadRules();

    // Deal helpers.
    void DealTilesTo(int seat, int count);
    void FinishDeal();
    void ChooseWildTile();
    void OnDiceTimer();
    void ThrowDice(int seat);
    bool ReplaceFlowersOf(int seat);
    bool ReplaceWithWallTile(CMjPlayer& p, tagMj& tile);

    // Flow helpers.
    bool DrawFromWall();
    void ReceiveDrawnTile(bool afterFlight);
    void PlayTurn(bool afterFlight);
    void ContinueTurn();
    void EndHand();
    void UserTurn(bool afterFlight);
    void OfferUserTurn(bool afterFlight);
    bool ComputerTurn();
    bool ComputerOwnKong(CMjPlayer& p);
    void ChooseComputerDiscard(CMjPlayer& p);
    void PlayTile();
    void CollectClaims();
    void AnswerClaims();
    void AppendClaim(int seat, std::uint8_t kind, bool claimed);
    void ClearClaims();
    bool UserHasClaim(std::uint8_t kind) const;
    void MarkUserClaims(int keepKind);
    void StartClaimTimer();
    bool HuWith(int seat, const tagMj& extra);
    int TilesLeft() const { return kWallTiles - taken; }

    // Claim helpers.
    void AfterClaim(int seat);
    void OfferClaimantTurn();
    void LastTileAsDrawn();
    void PassOnline();
    // The user's drawn tile is played (a ready hand's).
    void PlayDrawnTile();
    void ExposedKong(int seat, const tagMj& tile);
    void ConcealedKong(int seat, const tagMj& tile);
    void HandTileAddedKong(int seat, const tagMj& tile);
    void DrawnTileAddedKong(int seat, const tagMj& tile);
    void CompleteAddedKong(int seat, const tagMj& tile);
    void FinishOwnKong(int seat);
    bool RobTheKong(int seat, const tagMj& tile);
    void OfferRobbing(int kongSeat, const tagMj& tile);
    void TakeKongTileFrom(int seat, const tagMj& tile);
    void JoinDrawnTile(int seat);
    void ShowCaption(int seat, std::uint8_t action);
    void SetButtonsForOffer();
    void KongButtonOnOwnTurn();
    void ChowButton();
    void PressClaimButton(std::uint8_t kind);

    // Win helpers.
    bool FinalWinTest(int winner);
    void Transfer(int from, int to, int points);

    // Timer helpers.
    void OnFaceTimer(int seat);
    void OnReadyDrawTimer();
    // Shows the flight just started as `kind` and steps it until it arrives.
    void RunFlight(int kind, int speed);
    void ClaimFlight(int claimer, int discarder, const tagMj& tile);

    // Input helpers (MjInput.cpp).
    void TableRightDown();
    void TableLeftDown(int x, int y);
    void TableMouseMove(int x, int y);
    void TableLeftUp(int x, int y);
    bool ClickLink(int x, int y);
    bool PortraitMenu(int x, int y);
    platform::Rect PortraitOnScreen(int seat) const;
    bool HoverLinks(int x, int y);
    int LinksInUse() const;
    bool HandTakesMouse() const;
    void HoverKongChoice(CMjPlayer& p);
    void HoverChowChoice(CMjPlayer& p);
    void MarkExchangeTile(int x, int y);

    // The table buttons' other actions (MjTableButtons.cpp).
    void OnTableButton(int id);
    void ToggleMenu();
    // The menu's four entries hide (leaving the table, a lost connection, a press elsewhere).
    void CloseMenu();
    // Open the web site's home page or the program folder's help page in the browser, or say
    // why it did not show and name the page.
    void OpenHomePage();
    void OpenHelpPage();
    void SetPhraseListOpen(bool open);

    // Saved-game helpers.
    SavedGame SaveRecord() const;
    void TakeSaveRecord(const SavedGame& game);
    void ResumeSavedHand();
    void RebuildWallPicture();
    void StopFlowTimers();

    // Online records (online/).
    void OnLoginSuccess();
    void OnLoginFail(const std::uint8_t* record);
    // Table and hand set-up (MjTableRecords.cpp).
    void OnEnterTable(const std::uint8_t* record);
    void OnTableUserInfo(const std::uint8_t* record);
    void OnUserStart(const std::uint8_t* record);
    void OnDice(const std::uint8_t* record);
    void OnDeal(const std::uint8_t* record);
    void OnFlower(const std::uint8_t* record);
    void OnTableChat(const std::uint8_t* record);
    // Presses on the online table (MjTableClicks.cpp).
    bool PickPhraseAt(int x, int y);
    bool MarkRefusesSelected() const;
    void NetThrowDice(int seat, int die1, int die2, bool effectFirst);
    void NetSetWinds(int wind);
    void NetTakeFront(int n);
    void NetSpreadWild();
    void ChatLine(const char* gbkText, std::uint32_t color);
    // Turns and claims (MjTurnRecords.cpp).
    void OnDrawTile(const std::uint8_t* record);
    void OnOtherDraw(const std::uint8_t* record);
    void OnYourTurn(const std::uint8_t* record);
    void OnActionOptions(const std::uint8_t* record);
    void OnDiscardRecord(const std::uint8_t* record);
    void OnSendAction(const std::uint8_t* record);
    void OfferButtons(bool pung, bool kong, bool win, bool chow);
    void RetireShownDiscard();
    void ShowUserDiscard(const tagMj& tile);
    void EndClaimOffer();
    void NetPung(int seat, const tagMj& tile);
    void NetKong(int seat, const tagMj& tile, int kind);
    void NetWin(int seat, const tagMj& tile, int kind);
    void NetChow(int seat, const tagMj& tile, const tagMj& a, const tagMj& b);
    void NetMeldDone(int seat);
    void AnnounceSeat(int seat, const char* format, const char* robotText);
    // Hand end and restore (MjHandEndRecords.cpp).
    void OnHandEnd(const std::uint8_t* record);
    void OnTableRestore(const std::uint8_t* record);
    void NetHandResult(const std::uint8_t* record);
    void NetEndOfHand();
    void RestoreTable(const std::uint8_t* record);
    void RestoreRivers(const std::uint8_t* record);
    void RestoreWall(int flowers);
    bool NetTakeOne();
    // The start of any record that moves the table on: the claim offer ends.
    void StopOffer();

    // Sound and music helpers.
    void PlayEffect(int slot);
    void PlayAction(int seat, int slot);
    bool SoundDeviceExists() const;
    void RestartMusicWhenEnded();

    TablePresentation defaultPresentation_;
    TablePresentation* presentation_;
    bool framesHeld_ = false;
    bool frameWanted_ = false;
    bool recordsWaiting_ = false;
    std::unique_ptr<CMjTimer> timers_[kTableTimerCount];
    std::unique_ptr<CDxEdit> ownChatEdit_;
    std::unique_ptr<CDxGameChatWnd> ownChatLog_;
    std::unique_ptr<CDxGameChatWnd> ownPhraseList_;
    // Made with the table and gone before its scorer, computer player, buttons and renderer.
    CDxLinkLabel linkLabels_[kMaxLinkLabels];
};
