#pragma once

// How the pause panel's pages are laid out, so that nothing moves under the cursor.

// Sizes the next window as a page that keeps one place and size while it is used, whatever its
// tab shows or its status says: as large as its font asks, within the screen.
void nextFixedPage();

// Moves down to where a fixed page's footer (a separator and one row: Back and the page's
// status) stands at its bottom; after what the page shows, should that not fit.
void placeFooter();
