/* Resource ids that the resource script and the Windows code both name. Plain #defines, so that
   the resource compiler reads this file as well. The setup dialog's template id and control ids
   live with its control table in dialog/. */
#ifndef RESOURCES_RESOURCE_IDS_H
#define RESOURCES_RESOURCE_IDS_H

#define IDI_PROGRAM 128     /* the program icon: window icons and the minimised dialog */
#define IDR_MANIFEST 1      /* CREATEPROCESS_MANIFEST_RESOURCE_ID */

#endif
