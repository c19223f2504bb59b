#include "dialogs/CColorEditDlg.h"

#include <optional>
#include <string_view>
#include <vector>

#include "catalogue/CHuesmithDoc.h"
#include "catalogue/ColorCode.h"
#include "catalogue/HsColor.h"
#include "dialogs/ColorSwatch.h"
#include "framework/AppText.h"
#include "framework/CDC.h"
#include "framework/CDataExchange.h"
#include "framework/CHandle.h"
#include "framework/CWinApp.h"
#include "framework/TextFormat.h"
#include "res/resource.h"

namespace {
constexpr short kChannelLowest = 0;
constexpr short kChannelHighest = 255;
constexpr int kNameMaxBytes = 20;     // ten full-width characters
constexpr int kReadingMaxBytes = 20;
constexpr char kHeadingSeparator = '\n';

enum Column { kColumnName, kColumnReading, kColumnRed, kColumnGreen, kColumnBlue };

constexpr int kColumnFormats[kColorEditColumnCount] = {LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_RIGHT,
                                                       LVCFMT_RIGHT};
// The share of the list's width each column takes, whatever the scale.
constexpr int kColumnWeights[kColorEditColumnCount] = {120, 120, 40, 40, 39};

void ExchangeChannel(CDataExchange& dx, int id, short& value) {
    DDX_Text(dx, id, value);
    DDV_MinMaxShort(dx, value, kChannelLowest, kChannelHighest);
}

// The list hands the comparison each row's item data, which the sort sets to the row's place in
// the keys read beforehand: one read per cell instead of two per comparison.
struct SortRun {
    const std::vector<std::string>& keys;
    CellKind kind;
    int direction;
};

int CALLBACK CompareRows(LPARAM left, LPARAM right, LPARAM context) {
    const auto& run = *reinterpret_cast<const SortRun*>(context);
    return CompareCells(run.keys[static_cast<std::size_t>(left)], run.keys[static_cast<std::size_t>(right)],
                        run.kind, run.direction);
}
}  // namespace

constinit const CCmdEntry CColorEditDlg::s_entries[] = {
    MapControl<&CColorEditDlg::OnChangeBrightness>(IDC_EDIT_DATA_RED, EN_CHANGE),
    MapControl<&CColorEditDlg::OnChangeBrightness>(IDC_EDIT_DATA_GREEN, EN_CHANGE),
    MapControl<&CColorEditDlg::OnChangeBrightness>(IDC_EDIT_DATA_BLUE, EN_CHANGE),
    MapControl<&CColorEditDlg::OnChangeHtmlCode>(IDC_EDIT_DATA_HTML_CODE, EN_CHANGE),
    MapControl<&CColorEditDlg::OnAdd>(IDC_BUTTON_DATA_ADD, BN_CLICKED),
    MapControl<&CColorEditDlg::OnModify>(IDC_BUTTON_DATA_MODIFY, BN_CLICKED),
    MapControl<&CColorEditDlg::OnDelete>(IDC_BUTTON_DATA_DELETE, BN_CLICKED),
    MapNotify<&CColorEditDlg::OnClickList>(IDC_LIST_COLOR_DATA, NM_CLICK),
    MapNotify<&CColorEditDlg::OnColumnClickList>(IDC_LIST_COLOR_DATA, LVN_COLUMNCLICK),
    MapNotify<&CColorEditDlg::OnDeleteAllItemsList>(IDC_LIST_COLOR_DATA, LVN_DELETEALLITEMS),
};
constinit const CCmdMap CColorEditDlg::s_map{s_entries, &CDialog::s_map};

CColorEditDlg::CColorEditDlg(CWnd* pParent) : CDialog(IDD_COLOR_EDIT, pParent) {}

void CColorEditDlg::DoDataExchange(CDataExchange& dx) {
    // The controls first, so that they are attached before anything else touches them.
    DDX_Control(dx, IDC_LIST_COLOR_DATA, m_list);
    DDX_Control(dx, IDC_SPIN_DATA_BLUE, m_spinBlue);
    DDX_Control(dx, IDC_SPIN_DATA_GREEN, m_spinGreen);
    DDX_Control(dx, IDC_SPIN_DATA_RED, m_spinRed);
    DDX_Text(dx, IDC_EDIT_DATA_NAME, m_strName);
    DDV_MaxChars(dx, m_strName, kNameMaxBytes);
    DDX_Text(dx, IDC_EDIT_DATA_READING, m_strReading);
    DDV_MaxChars(dx, m_strReading, kReadingMaxBytes);
    ExchangeChannel(dx, IDC_EDIT_DATA_RED, m_nRed);
    ExchangeChannel(dx, IDC_EDIT_DATA_GREEN, m_nGreen);
    ExchangeChannel(dx, IDC_EDIT_DATA_BLUE, m_nBlue);
    DDX_CodeText(dx, IDC_EDIT_DATA_HTML_CODE, m_strHtmlCode);
    DDV_MaxChars(dx, m_strHtmlCode, kHtmlCodeMaxBytes);
}

// The list shows the whole catalogue, whatever the view lists at the moment.
bool CColorEditDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    InsertColumns();
    {
        CWaitCursor wait;
        const CHuesmithDoc& doc = *m_pDoc;
        // Without this a large catalogue costs a repaint and a reallocation per row.
        m_list.SetItemCount(doc.GetCount());
        m_rows.reserve(static_cast<std::size_t>(doc.GetCount()));
        m_list.SetRedraw(false);
        const CScopeExit redraw([this] { m_list.SetRedraw(true); });
        for (int i = 0; i < doc.GetCount(); ++i) {
            AppendRow({doc.GetCatalogueName(i), doc.GetCatalogueReading(i), doc.GetCatalogueRed(i),
                       doc.GetCatalogueGreen(i), doc.GetCatalogueBlue(i)});
        }
    }
    m_list.FitColumns(kColumnWeights);  // beside the scroll bar the rows brought
    for (const CSpinButtonCtrl* spin : {&m_spinBlue, &m_spinGreen, &m_spinRed}) {
        spin->SetRange(kChannelLowest, kChannelHighest);
    }
    m_bModified = 0;
    UpdateTitle();
    m_bInitialized = 1;
    return true;
}

// The columns follow the list's width after a rescale.
void CColorEditDlg::OnRescaled(UINT) { m_list.FitColumns(kColumnWeights); }

void CColorEditDlg::InsertColumns() const {
    const std::string headings = LoadResString(IDS_COLOR_EDIT_HEADINGS);
    for (int column = 0; column < kColorEditColumnCount; ++column) {
        const std::string_view heading = SplitField(headings, kHeadingSeparator, static_cast<std::size_t>(column));
        m_list.InsertColumn(column, std::string(heading), kColumnFormats[column], 0);
    }
}

const CColorEditDlg::ListRow& CColorEditDlg::RowOf(int item) const {
    return m_rows[static_cast<std::size_t>(m_list.GetItemData(item))];
}

void CColorEditDlg::ShowRow(int item, const ListRow& row) const {
    m_list.SetItemText(item, kColumnName, row.name);
    m_list.SetItemText(item, kColumnReading, row.reading);
    m_list.SetItemText(item, kColumnRed, std::to_string(row.red));
    m_list.SetItemText(item, kColumnGreen, std::to_string(row.green));
    m_list.SetItemText(item, kColumnBlue, std::to_string(row.blue));
}

void CColorEditDlg::AppendRow(const ListRow& row) {
    const int item = m_list.InsertItem(m_list.GetItemCount(), row.name, -1, static_cast<LPARAM>(m_rows.size()));
    if (item < 0) return;
    m_rows.push_back(row);
    ShowRow(item, row);
}

CColorEditDlg::ListRow CColorEditDlg::FieldsAsRow() const {
    return {m_strName, m_strReading, m_nRed, m_nGreen, m_nBlue};
}

// Rows added or gone may bring or take away the list's scroll bar: the columns fit again.
void CColorEditDlg::MarkModified() {
    m_bModified = 1;
    UpdateTitle();
    m_list.FitColumns(kColumnWeights);
}

void CColorEditDlg::UpdateTitle() const {
    SetWindowTextA(FormatResString(IDS_COLOR_EDIT_TITLE,
                                   {std::to_string(m_list.GetItemCount()), m_bModified == 1 ? "*" : " "}));
}

// A change of red, green or blue: the code follows the three values.
void CColorEditDlg::OnChangeBrightness() {
    if (m_bInitialized == 0) return;
    if (!UpdateData(true)) return;
    m_strHtmlCode = FormatHtmlCode(m_nRed, m_nGreen, m_nBlue);
    UpdateData(false);
    InvalidateRect(SwatchRect(), true);
}

// A typed code sets the three values once it is complete; the code keeps its text as typed.
void CColorEditDlg::OnChangeHtmlCode() {
    if (m_bInitialized == 0) return;
    if (!UpdateData(true)) return;
    const std::optional<ChannelValues> values = ParseHtmlCode(m_strHtmlCode);
    if (!values) return;
    m_nRed = static_cast<short>(values->red);
    m_nGreen = static_cast<short>(values->green);
    m_nBlue = static_cast<short>(values->blue);
    UpdateData(false);
    InvalidateRect(SwatchRect(), true);
}

bool CColorEditDlg::AcceptEntryFields() const {
    switch (CheckEntryFields(m_strName, m_strReading)) {
    case EntryFieldsProblem::None: return true;
    case EntryFieldsProblem::Empty: MessageBox(LoadResString(IDS_COLOR_EDIT_NEED_NAME)); return false;
    case EntryFieldsProblem::Comma: MessageBox(LoadResString(IDS_COLOR_EDIT_NO_COMMA)); return false;
    }
    return false;
}

bool CColorEditDlg::ListsSameEntry() const {
    for (int item = 0; item < m_list.GetItemCount(); ++item) {
        const ListRow& row = RowOf(item);
        if (IsSameEntry(row.name, row.reading, m_strName, m_strReading)) {
            return true;
        }
    }
    return false;
}

// The new row goes to the end, neither selected nor scrolled into view.
void CColorEditDlg::OnAdd() {
    if (!UpdateData(true) || !AcceptEntryFields()) return;
    const UINT question = MB_YESNO | MB_ICONEXCLAMATION;
    if (ListsSameEntry() && MessageBox(LoadResString(IDS_COLOR_EDIT_DUPLICATE), question) != IDYES) return;
    AppendRow(FieldsAsRow());
    MarkModified();
}

// Only the topmost selected row changes, without a duplicate check.
void CColorEditDlg::OnModify() {
    if (!UpdateData(true) || !AcceptEntryFields()) return;
    const int item = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (item == -1) {
        MessageBox(LoadResString(IDS_COLOR_EDIT_SELECT_MODIFY));
        return;
    }
    ListRow& row = m_rows[static_cast<std::size_t>(m_list.GetItemData(item))];
    row = FieldsAsRow();
    ShowRow(item, row);
    MarkModified();
}

// Every selected row goes, without a question; the fields are not read.
void CColorEditDlg::OnDelete() {
    const std::vector<int> selected = m_list.GetSelectedItems();
    if (selected.empty()) {
        MessageBox(LoadResString(IDS_COLOR_EDIT_SELECT_DELETE));
        return;
    }
    // Bottom up, so that the rows still to go keep their indices.
    for (auto item = selected.rbegin(); item != selected.rend(); ++item) m_list.DeleteItem(*item);
    MarkModified();
}

// A click loads the topmost selected row; selecting with the keyboard loads nothing.
void CColorEditDlg::OnClickList(NMHDR&, LRESULT&) {
    const int item = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (item == -1) return;
    const ListRow& row = RowOf(item);
    m_strName = row.name;
    m_strReading = row.reading;
    m_nRed = row.red;
    m_nGreen = row.green;
    m_nBlue = row.blue;
    m_strHtmlCode = FormatHtmlCode(m_nRed, m_nGreen, m_nBlue);
    UpdateData(false);
    InvalidateRect(SwatchRect(), true);
}

// The rows hold no data of their own to free: one notification for the whole list instead of one
// per row when it is emptied or destroyed (100,000 of them for a large catalogue).
void CColorEditDlg::OnDeleteAllItemsList(NMHDR&, LRESULT& result) { result = TRUE; }

// The list's order is the order OK stores, so a sort counts as a change.
void CColorEditDlg::OnColumnClickList(NMHDR& header, LRESULT&) {
    const int column = reinterpret_cast<NMLISTVIEW&>(header).iSubItem;
    if (column < 0 || column >= kColorEditColumnCount) return;
    const int direction = m_sortDirections.Flip(static_cast<std::size_t>(column));
    {
        CWaitCursor wait;
        SortByColumn(column, direction);
    }
    MarkModified();
}

// The comparison gets each item's data, its row's index: the keys are read once per row, from the
// rows as held (a channel as the text its cell shows).
void CColorEditDlg::SortByColumn(int column, int direction) {
    std::vector<std::string> keys(m_rows.size());
    for (std::size_t index = 0; index < m_rows.size(); ++index) {
        const ListRow& row = m_rows[index];
        const short channels[] = {row.red, row.green, row.blue};
        keys[index] = column == kColumnName      ? row.name
                      : column == kColumnReading ? row.reading
                                                 : std::to_string(channels[column - kColumnRed]);
    }
    const SortRun run{keys, ColorEditColumnKind(column), direction};
    m_list.SortItems(&CompareRows, reinterpret_cast<LPARAM>(&run));
}

void CColorEditDlg::OnPaint() {
    CPaintDC dc(m_hWnd);
    PaintSwatch(dc, SwatchRect(), PackColor(m_nRed, m_nGreen, m_nBlue));
}

// The catalogue becomes the list, top to bottom, and the main window saves it.
void CColorEditDlg::OnOK() {
    if (!UpdateData(true)) return;
    if (m_bModified == 1) {
        CWaitCursor wait;
        m_pDoc->RemoveAllRecords();
        for (int item = 0; item < m_list.GetItemCount(); ++item) {
            const ListRow& row = RowOf(item);
            m_pDoc->AddRecord(row.name, row.reading, row.red, row.green, row.blue);
        }
        // Marked first: a save that fails leaves the catalogue changed, which closing then offers.
        m_pDoc->SetModifiedFlag(true);
        ::SendMessageW(AfxGetApp()->m_pMainWnd->m_hWnd, WM_COMMAND, ID_FILE_SAVE, 0);
    }
    EndDialog(IDOK);
}
