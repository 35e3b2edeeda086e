#include "browser_wnd.h"

#include <cstring>

#include "afx_thread.h"
#include "image_painter.h"

IMPLEMENT_DYNAMIC(CBrowserWnd, CWnd)

BEGIN_MESSAGE_MAP(CBrowserWnd, CWnd)
  ON_WM_PAINT()
  ON_WM_CREATE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CBrowserWnd::CBrowserWnd()
    : defaultFaceName(L"SYSTEM"),
      pressedButton(-1),
      drawnThumbLength(0),
      selectedRow(0),
      topRow(0),
      rowPressed(false),
      listActive(false),
      suspended(true),
      painting(false),
      rows(10),
      focusCount(0),
      focusIndex(0),
      skipCount(0) {
  std::memset(&definition, 0, sizeof definition);
  std::memset(slotFrames, 0, sizeof slotFrames);
  std::memset(buttonPressed, 0, sizeof buttonPressed);
  std::memset(buttonVariant, 0, sizeof buttonVariant);
  for (FocusEntry& e : focusOrder) e = FocusEntry{0, FOCUS_KEY_UNUSED};
}

CBrowserWnd::~CBrowserWnd() {
  suspended = true;
  RemoveAllRows();
}

LRESULT CBrowserWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CWnd::WindowProc(message, wParam, lParam);
}

void CBrowserWnd::LoadDefinition(const ScreenDefinition& def) {
  std::memcpy(&definition, &def, sizeof definition);
  if (definition.painter != nullptr) definition.painter->OnScreenLoaded();
  listActive = definition.listActive != 0;
  if (definition.keyboardFocus) BuildFocusOrder();
  if (!g_backBuffer.created) {
    // Before the window exists this is the screen's DC.
    CClientDC reference(m_hWnd ? this : nullptr);
    g_backBuffer.Create(&reference, BACK_BUFFER_WIDTH, BACK_BUFFER_HEIGHT);
  }
}

BOOL CBrowserWnd::Create(CWnd* pParentWnd, int left, int top, int right, int bottom, UINT nID) {
  RECT rect = {left, top, right, bottom};
  return CWnd::Create(nullptr, L"BrowserWnd", WS_CHILD | WS_VISIBLE, rect, pParentWnd, nID,
                      nullptr);
}

int CBrowserWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  suspended = false;
  return 0;
}

bool CBrowserWnd::RemoveAllRows() {
  while (!rows.IsEmpty()) delete static_cast<RowItem*>(rows.RemoveHead());
  rowPressed = false;
  topRow = 0;
  selectedRow = 0;
  return true;
}

void CBrowserWnd::AddRow(RowItem* row) {
  if (row == nullptr) return;
  if (rows.AddTail(row) == nullptr) delete row;  // no node could be had: the row is not kept
}

void CBrowserWnd::SetLabelText(int label, LPCWSTR text) {
  if (label >= 0 && label < kMaxLabels) labelTexts[label] = text;
}

void CBrowserWnd::SetSlotFrame(int slot, int frame) {
  if (slot >= 0 && slot < kMaxImageSlots) slotFrames[slot] = frame;
}

bool CBrowserWnd::SetButtonVariant(int button, int variant) {
  if (button < 0 || button >= kMaxButtons || variant < 0 || variant >= kButtonVariants) return false;
  buttonVariant[button] = variant;
  return true;
}

RowItem* CBrowserWnd::RowAt(int index) const {
  POSITION pos = rows.FindIndex(index);
  return pos ? static_cast<RowItem*>(rows.GetAt(pos)) : nullptr;
}

void BringToTop(CWnd* pWnd) {
  if (pWnd != nullptr) pWnd->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

// Focus order -------------------------------------------------------------

namespace {
// Inserts by key into the sorted table; the table is full at 80 entries.
void AddFocusEntry(FocusEntry* order, INT32& count, INT32 id, UINT32 key) {
  if (count >= FOCUS_ENTRIES) return;
  int place = FOCUS_ENTRIES - 1;
  order[place] = FocusEntry{id, key};
  // Unused places hold key 256, so only keys below it reach the used part.
  while (place > 0 && order[place].key < order[place - 1].key) {
    FocusEntry t = order[place - 1];
    order[place - 1] = order[place];
    order[place] = t;
    --place;
  }
  ++count;
}
}  // namespace

void CBrowserWnd::BuildFocusOrder() {
  focusCount = 0;
  for (FocusEntry& e : focusOrder) e = FocusEntry{0, FOCUS_KEY_UNUSED};
  skipCount = 0;
  if (definition.listEnabled) {
    AddFocusEntry(focusOrder, focusCount, FOCUS_ID_LIST,
                  static_cast<UINT32>(definition.listFocusRank));
    ++skipCount;
  }
  for (int i = 0; i < kMaxButtons; ++i) {
    const ButtonDef& b = definition.buttons[i];
    if (!b.shown) continue;
    AddFocusEntry(focusOrder, focusCount, FOCUS_ID_BUTTON + i, static_cast<UINT32>(b.focusRank));
    if (b.listAction != 0) ++skipCount;  // counted even when the table was full
  }
  if (definition.listEnabled && !listActive) MoveOffPassedOver(FOCUS_FORWARD);
}

int CBrowserWnd::GetFocusedId() const {
  if (!definition.keyboardFocus || focusIndex < 0 || focusIndex >= focusCount) return FOCUS_ID_NONE;
  return focusOrder[focusIndex].id;
}

bool CBrowserWnd::SetFocusToId(int id) {
  for (int i = 0; i < focusCount; ++i) {
    if (focusOrder[i].id == id) {
      focusIndex = i;
      return true;
    }
  }
  return false;
}

int CBrowserWnd::IsPassedOver() const {
  int id = GetFocusedId();
  if (id == FOCUS_ID_LIST) return 1;
  int i = id - FOCUS_ID_BUTTON;
  if (i >= 0 && i < kMaxButtons && definition.buttons[i].listAction != 0) return 2;
  return 0;
}

void CBrowserWnd::MoveOffPassedOver(FocusDirection direction) {
  if (IsPassedOver() == 0) return;
  if (focusCount <= skipCount) {
    focusIndex = -1;
    return;
  }
  // Bounded: at least one entry in the table is not passed over.
  for (int guard = 0; guard <= FOCUS_ENTRIES && IsPassedOver() != 0; ++guard) {
    if (direction == FOCUS_FORWARD) {
      ++focusIndex;
      if (static_cast<UINT32>(focusIndex) >= static_cast<UINT32>(focusCount)) focusIndex = 0;
    } else {
      focusIndex = focusIndex == 0 ? focusCount - 1 : focusIndex - 1;
    }
  }
}

void CBrowserWnd::RedrawFocusEntry(int id) {
  if (id == FOCUS_ID_LIST) RedrawList();
  else if (id >= FOCUS_ID_BUTTON && id < FOCUS_ID_BUTTON + kMaxButtons) DrawButton(id - FOCUS_ID_BUTTON);
}

// Notifications ---------------------------------------------------------

void CBrowserWnd::PostToMainWindow(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == 0) return;
  CWinThread* thread = AfxGetThread();
  CWnd* main = thread ? thread->GetMainWnd() : CWnd::FromHandle(GetActiveWindow());
  if (main == nullptr || main->m_hWnd == nullptr) return;
  ::PostMessageW(main->m_hWnd, message, wParam, lParam);
}

// Shared helpers ----------------------------------------------------------

CBrowserWnd::DrawTarget::DrawTarget(CBrowserWnd* wnd) : m_dc(nullptr) {
  if (wnd->painting) {
    m_dc = &g_backBuffer;
  } else {
    m_client.emplace(wnd);
    m_dc = &*m_client;
  }
}

CBrowserWnd::DrawTarget::~DrawTarget() = default;

int CBrowserWnd::MaxTopRow() const {
  int n = rows.GetCount() - definition.visibleRows;
  return n > 0 ? n : 0;
}

INT32 CBrowserWnd::SelectedRowValue() const {
  if (selectedRow >= rows.GetCount()) return 0;
  RowItem* row = RowAt(selectedRow);
  return row ? row->value : 0;
}
