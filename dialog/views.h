#ifndef DIALOG_VIEWS_H
#define DIALOG_VIEWS_H

// The two views over the dialog's area, in the order Back hides and shows them.
extern const int kDistributionPanelControls[];
extern const int kDistributionPanelControlCount;
extern const int kMainViewControls[];
extern const int kMainViewControlCount;

#endif
