var cm_kind=motionkindvr,cm_delay=scrdelayinms,cm_pause=pausetime_vr24;
var cm_early=0.01,cm_most=3000000,cm_park=tichvr6+200-pstopvr3;
var cm_able=lm_moves&&(cm_kind==3||cm_delay>=4)&&(cm_kind%2==0||cm_pause>=4)&&typeof Element!="undefined"&&typeof Element.prototype.animate=="function"&&typeof KeyframeEffect!="undefined"&&!!document.timeline&&!!window.performance;
var cm_plan=null,cm_base=0,cm_animations=[],cm_halt=null,cm_waiting=false,cm_fallen=false,cm_wasStill=false;
var cm_chainFrom=0,cm_chainAt=0,cm_chainRuns=false,cm_offset=0;
var cm_pointer=null,cm_over=null,cm_turn=null,cm_turnFrame=null,cm_turnAt=0;
var cm_backwards=false,cm_marked=[];
var lm_holdFrames=lm_hold,lm_measure=null;
function cm_timeline(){
	return performance.now();
}
function cm_chain(){
	return cm_chainRuns?cm_timeline()-cm_chainFrom:cm_chainAt;
}
function cm_motion(){
	return cm_halt?cm_halt.motion:cm_chain()-cm_offset;
}
function cm_still(){
	return typeof acc_still!="undefined"&&acc_still;
}
function cm_next(w){
	var u=w;
	if(cm_kind==1&&w<(mc*tichvr6*(-1))){
		u=0;
	}
	u=u-1;
	if(cm_kind!=1&&u<(toplay*(-1))){
		return cm_kind==0?tichvr6:0;
	}
	return u;
}
function cm_cycles(w){
	if(cm_kind==1){
		return w<=-1&&w>=-1-mc*tichvr6;
	}
	return w>=toplay*(-1)&&w<=(cm_kind==0?tichvr6:0);
}
function cm_stop(w){
	var i;
	if(cm_kind!=1){
		return psy[(w*(-1))+pstopvr3]==3;
	}
	i=(pstopvr3-w)/tichvr6;
	return (i>=0&&i<mc&&i==Math.floor(i))||(mc>0&&w<((mc-1)*tichvr6*(-1))&&w+mc*tichvr6==pstopvr3);
}
function cm_waitAfter(w){
	if(!cm_stop(w)){
		return cm_delay;
	}
	return cm_kind==1?cm_pause:cm_pause+cm_delay;
}
function cm_moving(){
	var list=[],i;
	if(cm_kind==1){
		for(i=0;i<mc;i++){
			list.push(document.getElementById("d"+i));
		}
		return list;
	}
	list.push(uzunobj);
	if(cm_kind==2){
		list.push(uzunobj2);
	}
	return list;
}
function cm_place(index,w){
	if(cm_kind==1){
		return index==0&&w<((mc-1)*tichvr6*(-1))?w+mc*tichvr6:w+index*tichvr6;
	}
	if(index==0){
		return w;
	}
	return w+toplay<tichvr6?w+toplay:tichvr6;
}
function cm_schedule(w,wait){
	var runs=[],time=0,count=0,entry=null,loopAt=0,run=null;
	if(cm_cycles(w)&&wait==cm_waitAfter(w)){
		entry=w;
	}
	for(;;){
		if(run&&run.wait==wait&&w==run.from-run.count){
			run.count++;
		}else{
			run={at:time,from:w,count:1,wait:wait};
			runs.push(run);
		}
		time=time+wait;
		w=cm_next(w);
		count++;
		if(entry===null&&cm_cycles(w)){
			entry=w;
			loopAt=time;
		}else if(w===entry){
			break;
		}
		if(count>cm_most){
			return null;
		}
		wait=cm_waitAfter(w);
	}
	return {runs:runs,loopAt:loopAt,end:time,steps:count};
}
function cm_step(motion){
	var plan=cm_plan,runs=plan.runs,low=0,high=runs.length-1,middle,run,j,t=motion-cm_base;
	if(t>=plan.end){
		t=plan.loopAt+(t-plan.loopAt)%(plan.end-plan.loopAt);
	}
	while(low<high){
		middle=Math.ceil((low+high)/2);
		if(runs[middle].at<=t){
			low=middle;
		}else{
			high=middle-1;
		}
	}
	run=runs[low];
	j=Math.max(0,Math.min(run.count-1,Math.floor((t-run.at)/run.wait)));
	return {time:motion-(t-(run.at+j*run.wait)),w:run.from-j,wait:run.wait};
}
function cm_close(track,time){
	var g=track.group,f=track.frames;
	if(!g){
		return;
	}
	if(g.count>1&&time<g.last+g.gap){
		g.count--;
		f.push([g.start,g.from,g.count],[g.last,g.from-g.count,0],[g.last,g.to,0]);
	}else if(g.count>1){
		f.push([g.start,g.from,g.count],[g.start+g.count*g.gap,g.to,0]);
	}else{
		f.push([g.start,g.from,0],[g.start,g.to,0]);
	}
	track.group=null;
}
function cm_change(track,time,value){
	var g=track.group;
	if(value==track.value){
		return;
	}
	if(g&&value==track.value-1&&(g.count==1?g.to==g.from-1:time-g.last==g.gap)){
		if(g.count==1){
			g.gap=time-g.last;
		}
		g.count++;
	}else{
		cm_close(track,time);
		g=track.group={start:time,from:track.value,count:1,gap:0};
	}
	g.to=value;
	g.last=time;
	track.value=value;
}
function cm_frames(index,from,to,value){
	var track={frames:[[from,value,0]],value:value,group:null},runs=cm_plan.runs,r,j,run,time;
	for(r=0;r<runs.length;r++){
		run=runs[r];
		for(j=0;j<run.count;j++){
			time=run.at+j*run.wait;
			if(time>=from&&time<to){
				cm_change(track,time,cm_place(index,run.from-j));
			}
		}
	}
	cm_close(track,to);
	track.frames.push([to,track.value,0]);
	return track.frames;
}
function cm_keyframes(frames,from,length,once){
	var list=[],i,f,frame;
	for(i=0;i<frames.length;i++){
		f=frames[i];
		frame={offset:(f[0]-from)/length,easing:f[2]>0?"steps("+f[2]+", jump-start)":"linear"};
		if(once){
			frame.transform="translateY("+f[1]+"px)";
		}else{
			frame.translate="0 "+f[1]+"px";
		}
		list.push(frame);
	}
	return list;
}
function cm_animate(element,frames,from,to,iterations){
	var animation=element.animate(cm_keyframes(frames,from,to-from,iterations==1),{duration:to-from,delay:cm_base+from-cm_early,iterations:iterations,fill:"none"});
	animation.cm_once=iterations==1;
	return animation;
}
function cm_animation(element,from,to,iterations,value){
	return cm_animate(element,cm_frames(element.lm_index,from,to,value),from,to,iterations);
}
function cm_drop(){
	var i;
	for(i=0;i<cm_animations.length;i++){
		cm_animations[i].cancel();
	}
	cm_animations=[];
}
function cm_compose(animation,mode){
	if(animation.cm_once&&animation.effect.composite!=mode){
		animation.effect.composite=mode;
	}
}
function cm_show(){
	var motion=cm_motion(),now=cm_timeline(),i,animation;
	cm_wasStill=cm_still();
	for(i=0;i<cm_animations.length;i++){
		animation=cm_animations[i];
		if(cm_wasStill){
			animation.cancel();
		}else if(cm_halt||lm_held()){
			animation.pause();
			animation.currentTime=motion;
			cm_compose(animation,"add");
		}else{
			cm_compose(animation,"replace");
			animation.startTime=now-motion;
		}
	}
	if(cm_kind==3){
		cm_watchTurns();
	}
}
function cm_page(){
	return {from:hidson,to:hidsay,tops:cyposarr.slice(hidson,hidsay+1)};
}
function cm_samePage(a,b){
	return a.from==b.from&&a.to==b.to&&a.tops.join()==b.tops.join();
}
function cm_pageCycle(wait){
	var kept=[enson,say,hidson,hidsay,cyposarr.slice()],pages=[cm_page()],loopFrom=-1,page;
	for(;;){
		lm_step();
		page=cm_page();
		if(page.from==0&&loopFrom<0&&cm_samePage(page,pages[0])){
			loopFrom=0;
			break;
		}else if(page.from==0&&loopFrom<0){
			loopFrom=pages.length;
		}else if(page.from==0){
			break;
		}
		pages.push(page);
	}
	enson=kept[0];
	say=kept[1];
	hidson=kept[2];
	hidsay=kept[3];
	cyposarr=kept[4];
	return {pages:pages,loopFrom:loopFrom,wait:wait};
}
function cm_pageAt(motion){
	var plan=cm_plan,n=plan.pages.length,j=Math.floor((motion-cm_base+cm_early)/plan.wait),k=j;
	if(k>=n){
		k=plan.loopFrom+(k-plan.loopFrom)%(n-plan.loopFrom);
	}
	return {page:plan.pages[k],time:cm_base+j*plan.wait};
}
function cm_fadeFrames(shown,from,to,under){
	var wait=cm_plan.wait,park=cm_park-under,frames=[[from*wait,park,0]],j,k,top;
	for(k=0;k<shown.length;k++){
		j=shown[k][0];
		top=shown[k][1]-under;
		if(j>=from&&j<to){
			frames.push([j*wait,park,0],[j*wait,top,0],[(j+1)*wait,top,0],[(j+1)*wait,park,0]);
		}
	}
	frames.push([to*wait,park,0]);
	return frames;
}
function cm_buildPages(wait){
	var plan,shown=[],i,j,page,message,n;
	cm_drop();
	cm_plan=null;
	if(mc<=0){
		return false;
	}
	plan=cm_plan=cm_pageCycle(wait);
	n=plan.pages.length;
	for(i=0;i<mc;i++){
		shown.push([]);
	}
	for(j=0;j<n;j++){
		page=plan.pages[j];
		for(i=page.from;i<=page.to;i++){
			shown[i].push([j,page.tops[i-page.from]]);
		}
	}
	for(i=0;i<mc;i++){
		message=document.getElementById("d"+i);
		message.style.top=pstopvr3+"px";
		message.style.left=psleftvr1+"px";
		message.style.visibility="visible";
		message.style.translate="0 "+cm_park+"px";
		if(plan.loopFrom>0){
			cm_animations.push(cm_animate(message,cm_fadeFrames(shown[i],0,plan.loopFrom,cm_park),0,plan.loopFrom*wait,1));
		}
		cm_animations.push(cm_animate(message,cm_fadeFrames(shown[i],plan.loopFrom,n,0),plan.loopFrom*wait,n*wait,Infinity));
	}
	return true;
}
function cm_build(wait){
	var elements,plan,last,i;
	if(cm_kind==3){
		return cm_buildPages(wait);
	}
	elements=cm_moving();
	plan=cm_schedule(uzuntop,wait);
	cm_drop();
	cm_plan=null;
	if(!plan||plan.steps*elements.length>cm_most){
		return false;
	}
	cm_plan=plan;
	last=plan.runs[plan.runs.length-1];
	last=last.from-last.count+1;
	for(i=0;i<elements.length;i++){
		elements[i].lm_index=i;
		elements[i].style.translate="0 0px";
		if(plan.loopAt>0){
			cm_animations.push(cm_animation(elements[i],0,plan.loopAt,1,cm_place(i,uzuntop)));
		}
		cm_animations.push(cm_animation(elements[i],plan.loopAt,plan.end,Infinity,cm_place(i,last)));
	}
	return true;
}
function cm_fall(){
	cm_fallen=true;
	lm_hold=lm_holdFrames;
	lm_install();
	lm_schedule();
}
function cm_fallFrom(left){
	cm_halt=null;
	if(lm_held()){
		lm_left=left;
	}else{
		lm_due=lm_now()+left;
	}
	cm_fall();
}
function cm_dotrans(){
	var wait;
	if(cm_fallen){
		lm_dotrans();
		return;
	}
	if(lm_held()){
		cm_waiting=true;
		return;
	}
	lm_tick=lm_now();
	lm_due=null;
	lm_step();
	wait=lm_due===null?cm_delay:Math.round(lm_due-lm_tick);
	cm_chainAt=0;
	cm_chainRuns=false;
	cm_offset=0;
	if(lm_halted()){
		cm_halt={motion:0,chain:0,time:0,wait:wait};
	}
	if(!cm_build(wait)){
		cm_halt=null;
		cm_fall();
		return;
	}
	cm_chainFrom=cm_timeline();
	cm_chainRuns=true;
	cm_show();
}
