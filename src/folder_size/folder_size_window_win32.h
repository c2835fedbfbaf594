#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "core/pixel_image.h"
#include "core/wall_clock.h"
#include "folder_size/folder_picker_win32.h"
#include "folder_size/folder_size_panel.h"
#include "folder_size/folder_survey.h"
#include "folder_size/survey_memory.h"
#include "platform/base_window_win32.h"
#include "platform/form_helpers_win32.h"
#include "platform/form_scale_win32.h"
#include "platform/scoped_win32.h"

namespace kuvano {

// The folder size panel. Surveys a folder's first-level subfolders on worker
// threads, which post kResultsReady with the survey's generation; the window
// takes the rows on its own thread, so it stays free throughout. While a
// survey runs it also looks on a timer, so that no lost post can hide rows.
class FolderSizeWindow final : public BaseWindow<FolderSizeWindow>, private FolderSizeView {
public:
    enum ControlId : int { kSizeList = 100, kFolderButton, kHistoryBox, kStartButton, kStopButton, kAnimation };
    static constexpr wchar_t kCaption[] = L"Kuvano フォルダサイズ検索(注意：検索にはかなり時間がかかります)";
    static constexpr wchar_t kAnimationFile[] = L"Kuvano.avi";
    static constexpr UINT kResultsReady = WM_APP + 1;
    static constexpr UINT_PTR kSurveyTimer = 1;

    // Owned by the hidden main window, so that it never gets a taskbar button.
    // The system as the survey reaches it comes from the application, and so
    // do the surveys each one is compared with.
    FolderSizeWindow(HWND owner, SurveySystem system, const TextCollation& collation, SurveyMemory& memory,
                     const WallClock& clock);

    // Shows the panel and surveys the folder, as a choice in the picker does.
    void Survey(const std::u16string& folder);

    static const wchar_t* ClassName() { return L"TForm5"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void AddControls();
    void AddButton(size_t index, int id, Place place, const wchar_t* hint);
    void AddList();
    void FitToDpi();
    void FitButtonPictures();
    void FitLevelPictures();
    void PlaceAnimation();
    void OnShow();
    void AddAnimation();
    void Close();
    void OnCommand(int id, int notification);
    void OnEnter();
    LRESULT OnNotify(const NMHDR& header);
    void OnDisplayInfo(NMLVDISPINFOW& info);
    void OnItemChanged(const NMLISTVIEW& change);
    void ChooseFolder();
    std::u16string ShownFolder() const;

    void ShowControls(const PanelControls& controls) override;
    void ShowHistory(const FolderHistory& history) override;
    void ShowRows(const std::vector<SurveyRow>& rows) override;
    void ShowHighlight(std::optional<size_t> row) override;
    void ShowPreviousEnd(std::optional<int64_t> endedAt) override;

    const TextCollation& collation_;
    const WallClock& clock_;
    std::u16string homeFolder_;
    // Where the workers' notices go: shared with them, cleared when the window goes.
    std::shared_ptr<std::atomic<HWND>> noticeTarget_ = std::make_shared<std::atomic<HWND>>(nullptr);
    FolderSurvey survey_;
    FolderSizePanel panel_;
    FolderPicker folderPicker_;
    std::wstring displayText_;       // what the list shows of the cell it asked for last
    std::wstring changeTitle_;       // the change column's title, which the list reads when it draws
    std::u16string shownSeparator_;  // the user's thousands separator when the rows were shown
    // The client area at 100 %.
    FormScale scale_{{786, 449}};
    FormScale::FontId font_ = 0;
    UniqueBrush animationGround_;
    UniqueImageList levelPictures_;
    std::array<UniqueIcon, 3> buttonPictures_;
    std::array<UniqueIcon, 3> disabledPictures_;
    HWND hints_ = nullptr;
    HWND sizeList_ = nullptr;
    HWND historyBox_ = nullptr;
    HWND animation_ = nullptr;
    std::array<HWND, 3> buttons_{};  // folder, start, stop
};

}  // namespace kuvano
