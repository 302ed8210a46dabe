CW setup
CQ <M>
<H> иии