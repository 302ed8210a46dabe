CW setup
CQ <M> TEST
<H> 5NN <N>
TU <M>
<Q> <T> <A>
<r> <R> <n>
QRZ?
-----
-----
-----
-----
-----
-----
End
