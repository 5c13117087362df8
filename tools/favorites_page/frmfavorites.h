#pragma once
// The favorites backup page: the shortcuts of the backup beside the program as a tree (folders
// of two levels), "Backup" copies the user's favorites folder there (replacing an older backup
// only once the new one is complete) and "Restore" copies the backup back, adding the shortcuts
// that are missing.
#include <string>
#include <vector>

#include "gui/buttons.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/std_ctrls.h"
#include "gui/vtree/virtual_string_tree.h"
#include "tools/favorites/favorites_tree.h"

class Tfrmfavorites : public TForm {
  QS_FORM(Tfrmfavorites)

 public:
  explicit Tfrmfavorites(TComponent* owner);

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TVirtualStringTree* VST1 = nullptr;
  TButton* Btn_LoadURL = nullptr;
  TButton* BtnBackUp = nullptr;
  TButton* btnReLoad = nullptr;
  TImageList* SmallImages = nullptr;

  void FormCreate(TObject* Sender);
  void Btn_LoadURLClick(TObject* Sender);
  void BtnBackUpClick(TObject* Sender);
  void btnReLoadClick(TObject* Sender);
  void VST1GetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                   std::wstring& CellText);
  void VST1GetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind, TColumnIndex Column,
                         bool& Ghosted, int& ImageIndex);

  // The user's favorites folder, read when the page is made (tests put their own).
  std::wstring FavoritesFolder;
  // The backup: the program folder + "BackUp\Favorites".
  std::wstring BackupFolder() const;
  const std::vector<TFavoriteRow>& Rows() const { return rows_; }

 private:
  // Shows the success text, or what failed with the error icon.
  void Report(const std::vector<std::wstring>& failures, const std::wstring& success, const std::wstring& heading);

  std::wstring backupRoot_;
  std::vector<TFavoriteRow> rows_;
};
