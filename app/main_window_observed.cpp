// The main window's "As observed" setting.
#include "app/main_window_model.h"

namespace orbel {

void MainWindowModel::chkAsObserved_Click() {
    if (state.AsObserved == chkAsObserved.value) return;
    state.AsObserved = chkAsObserved.value;
    links.SaveAsObserved(state.AsObserved);
    if (!state.Ready) return;
    DisplayChineseDates();
    SetTheFocus();
}

}  // namespace orbel
